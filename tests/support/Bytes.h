// Builds binary file images item by item, independently of the program's own writers.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace trelvix::test {

struct Bytes {
    QByteArray data;
    Bytes& i32(int32_t v) {
        for (int k = 0; k < 4; ++k) data.append(char((uint32_t(v) >> (8 * k)) & 0xFF));
        return *this;
    }
    Bytes& u8(int v) {
        data.append(char(v));
        return *this;
    }
    Bytes& utf16(const QString& s) {  // code units, little-endian, no length
        for (QChar c : s) u8(c.unicode() & 0xFF).u8(c.unicode() >> 8);
        return *this;
    }
    Bytes& text(const QString& s) { return i32(int32_t(s.size() * 2)).utf16(s); }
    Bytes& zeros(int n) {
        data.append(QByteArray(n, '\0'));
        return *this;
    }
    Bytes& rgb(int a, int b, int c) { return u8(a).u8(b).u8(c); }
};

}  // namespace trelvix::test
