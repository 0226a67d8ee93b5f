// Runs a fuzz target over files instead of fuzzing: every file named, and
// every file in every folder named, is one input. Lets any compiler's build
// replay the seed corpora and the kept reproducers as ordinary tests.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

bool RunFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int inputs = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path named = argv[i];
        if (!std::filesystem::exists(named)) {
            std::fprintf(stderr, "no such file or folder: %s\n", argv[i]);
            ok = false;
            continue;
        }
        if (!std::filesystem::is_directory(named)) {
            ok = RunFile(named) && ok;
            ++inputs;
            continue;
        }
        for (const auto& entry : std::filesystem::recursive_directory_iterator(named))
            if (entry.is_regular_file() && entry.path().filename() != "README") {
                ok = RunFile(entry.path()) && ok;
                ++inputs;
            }
    }
    std::printf("%d inputs replayed\n", inputs);
    return ok ? 0 : 1;
}
