#include "cp932_codec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace zupel {

// One iconv conversion descriptor, closed when done.
class Cp932Codec::Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("text conversion ") + from + " -> " + to +
                                     " is not available on this system");
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much of `in` as possible; returns false at the first byte sequence that
    // cannot be converted (or is incomplete), leaving `in` pointing at it.
    bool convert(std::string_view& in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[256];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            std::size_t srcLeft = in.size();
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, dst);
            in.remove_prefix(in.size() - srcLeft);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

Cp932Codec::Cp932Codec() = default;
Cp932Codec::~Cp932Codec() = default;

Cp932Codec::Converter& Cp932Codec::toCp932() const {
    if (!toCp932_) toCp932_ = std::make_unique<Converter>("CP932", "UTF-8");
    return *toCp932_;
}

Cp932Codec::Converter& Cp932Codec::toUtf8() const {
    if (!toUtf8_) toUtf8_ = std::make_unique<Converter>("UTF-8", "CP932");
    return *toUtf8_;
}

std::string Cp932Codec::storedCharacter(std::string_view utf8) const {
    std::string bytes;
    if (!toCp932().convert(utf8, bytes)) return {};
    return bytes;
}

std::string Cp932Codec::fromFileField(std::string_view bytes) const {
    Converter& toUtf8 = this->toUtf8();
    std::string out;
    while (!toUtf8.convert(bytes, out)) {
        out += '?';
        bytes.remove_prefix(1);
    }
    return out;
}

}  // namespace zupel
