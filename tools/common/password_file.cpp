#include "tools/common/password_file.h"

#include <sys/stat.h>

#include <cstdio>
#include <fstream>

namespace tools {

std::optional<std::string> ReadPasswordFile(const std::string& path, std::string* error)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        *error = "cannot read the password file " + path;
        return std::nullopt;
    }
    if ((st.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(st.st_mode & 07777));
        *error = "the password file " + path + " may be read by others (mode " + mode + "); chmod 600 " + path;
        return std::nullopt;
    }
    std::ifstream file(path);
    std::string password;
    if (!file || !std::getline(file, password)) {
        *error = "cannot read the password file " + path;
        return std::nullopt;
    }
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    return password;
}

}  // namespace tools
