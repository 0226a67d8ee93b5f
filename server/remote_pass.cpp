#include "server/remote_pass.h"

#include "link/com_ser.h"

#include <cctype>
#include <charconv>
#include <string>

namespace {

constexpr std::size_t kMostValues = 65536;  // far more than one PLC's range

// A tiny reader for the one JSON shape the gateway writes.
class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    void Blanks()
    {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])))
            ++at_;
    }
    bool Take(char c)
    {
        Blanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    std::optional<std::string_view> String()
    {
        if (!Take('"'))
            return std::nullopt;
        const std::size_t end = text_.find('"', at_);
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view s = text_.substr(at_, end - at_);
        at_ = end + 1;
        return s;
    }
    std::optional<std::int64_t> Integer()
    {
        Blanks();
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(text_.data() + at_, text_.data() + text_.size(), value);
        if (error != std::errc())
            return std::nullopt;
        at_ = static_cast<std::size_t>(end - text_.data());
        return value;
    }
    bool AtEnd()
    {
        Blanks();
        return at_ == text_.size();
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

std::optional<std::int32_t> PackedTime(std::string_view hms)
{
    int h = 0, m = 0, s = 0;
    if (hms.size() != 8 || hms[2] != ':' || hms[5] != ':')
        return std::nullopt;
    auto two = [&](std::size_t at, int* out, int max) {
        if (!std::isdigit(static_cast<unsigned char>(hms[at])) || !std::isdigit(static_cast<unsigned char>(hms[at + 1])))
            return false;
        *out = (hms[at] - '0') * 10 + (hms[at + 1] - '0');
        return *out <= max;
    };
    if (!two(0, &h, 23) || !two(3, &m, 59) || !two(6, &s, 59))
        return std::nullopt;
    return h * 65536 + m * 256 + s;
}

}  // namespace

std::optional<RemotePass> ParseRemotePass(std::string_view json)
{
    JsonReader r(json);
    RemotePass pass;
    bool first = false, values = false;
    if (!r.Take('{'))
        return std::nullopt;
    do {
        const auto key = r.String();
        if (!key || !r.Take(':'))
            return std::nullopt;
        if (*key == "first" || *key == "ms") {
            const auto n = r.Integer();
            if (!n || *n < 0 || *n > 0xFFFFFFFFLL)
                return std::nullopt;
            if (*key == "first") {
                if (*n >= CComSer::kRegisterCount)
                    return std::nullopt;
                pass.first = static_cast<int>(*n);
                first = true;
            } else {
                pass.ms = static_cast<std::uint32_t>(*n);
            }
        } else if (*key == "values") {
            if (!r.Take('['))
                return std::nullopt;
            if (!r.Take(']')) {
                do {
                    const auto n = r.Integer();
                    if (!n || *n < INT32_MIN || *n > INT32_MAX || pass.values.size() >= kMostValues)
                        return std::nullopt;
                    pass.values.push_back(static_cast<std::int32_t>(*n));
                } while (r.Take(','));
                if (!r.Take(']'))
                    return std::nullopt;
            }
            values = true;
        } else if (*key == "seen") {
            const auto hms = r.String();
            const auto packed = hms ? PackedTime(*hms) : std::nullopt;
            if (!packed)
                return std::nullopt;
            pass.seen = *packed;
        } else {
            return std::nullopt;
        }
    } while (r.Take(','));
    if (!r.Take('}') || !r.AtEnd() || !first || !values)
        return std::nullopt;
    if (pass.values.size() > static_cast<std::size_t>(CComSer::kRegisterCount - pass.first))
        return std::nullopt;
    return pass;
}
