// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeText.h"

#include <cstdio>
#include <iconv.h>
#include <iostream>

namespace {

// An iconv converter, closed with the object.
class TConverter {
public:
    TConverter(const char *To, const char *From) : Cd(iconv_open(To, From)) {}
    ~TConverter()
    {
        if (Opened())
            iconv_close(Cd);
    }
    TConverter(const TConverter &) = delete;
    TConverter &operator=(const TConverter &) = delete;
    bool Opened() const { return Cd != reinterpret_cast<iconv_t>(-1); }
    // Back to the initial shift state, as a freshly opened converter.
    void Reset() { iconv(Cd, nullptr, nullptr, nullptr, nullptr); }
    size_t Run(char **Src, size_t *SrcLeft, char **Dst, size_t *DstLeft)
    {
        return iconv(Cd, Src, SrcLeft, Dst, DstLeft);
    }

private:
    iconv_t Cd;
};

// Runs iconv over the whole input; bytes it cannot convert are replaced so
// that conversion never fails as a whole.
std::string Convert(TConverter &Cd, std::string_view in, std::string_view bad)
{
    if (!Cd.Opened())
        return std::string(in);
    std::string out;
    out.reserve(in.size() * 2 + 4);
    char *src = const_cast<char *>(in.data());
    size_t srcLeft = in.size();
    char buffer[256];
    while (srcLeft > 0) {
        char *dst = buffer;
        size_t dstLeft = sizeof buffer;
        size_t r = Cd.Run(&src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, dst - buffer);
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            // Skip one invalid or incomplete input byte and mark it.
            out.append(bad);
            ++src;
            --srcLeft;
            Cd.Reset();
        }
    }
    return out;
}

} // namespace

TSjis ToSjis(std::string_view utf8)
{
    TConverter toSjis("CP932", "UTF-8");
    return Convert(toSjis, utf8, "?");
}

QString FromSjis(std::string_view sjis)
{
    TConverter fromSjis("UTF-8", "CP932");
    return QString::fromStdString(Convert(fromSjis, sjis, "\xEF\xBF\xBD"));
}

QString IntToStr(int64_t value)
{
    return QString::number(value);
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
