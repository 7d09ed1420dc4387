#include "LumeUtility.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <iconv.h>
#include <iostream>

namespace {

// Runs iconv over the whole input; bytes it cannot convert are replaced so
// that conversion never fails as a whole.
std::string Convert(const char *to, const char *from, std::string_view in, std::string_view bad)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(in);
    std::string out;
    out.reserve(in.size() * 2 + 4);
    char *src = const_cast<char *>(in.data());
    size_t srcLeft = in.size();
    char buffer[256];
    while (srcLeft > 0) {
        char *dst = buffer;
        size_t dstLeft = sizeof buffer;
        size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, dst - buffer);
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            // Skip one invalid or incomplete input byte and mark it.
            out.append(bad);
            ++src;
            --srcLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

} // namespace

TSjis ToSjis(std::string_view utf8)
{
    return Convert("CP932", "UTF-8", utf8, "?");
}

QString FromSjis(std::string_view sjis)
{
    return QString::fromStdString(Convert("UTF-8", "CP932", sjis, "\xEF\xBF\xBD"));
}

TSjis IntToStr(int64_t value)
{
    return std::to_string(value);
}

uint32_t RandSeed = 0;

int32_t Random(int32_t Range)
{
    RandSeed = RandSeed * 134775813u + 1u;
    if (Range <= 0)
        return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(RandSeed) * static_cast<uint32_t>(Range)) >>
                                32);
}

namespace {
std::optional<uint32_t> FixedSeed;
}

void FixRandomizeSeed(std::optional<uint32_t> Seed)
{
    FixedSeed = Seed;
}

void Randomize()
{
    if (FixedSeed) {
        RandSeed = *FixedSeed;
        return;
    }
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const int64_t msOfDay = duration_cast<milliseconds>(now).count() % (24LL * 60 * 60 * 1000);
    RandSeed = static_cast<uint32_t>(msOfDay);
}

char IntToAlf(int32_t n)
{
    if (n >= 0 && n <= 25)
        return static_cast<char>(n + 97);
    if (n >= 26 && n <= 51)
        return static_cast<char>(n - 26 + 65);
    std::cout << "error in IntToAlf(" << n << ")" << std::endl;
    std::string line;
    std::getline(std::cin, line);
    return ' ';
}

void SystemAlert()
{
    QApplication::beep();
}
