// The program's INI file as plain text: one value a line, taken as it stands (no list, quote
// or escape syntax beyond one pair of enclosing quotes), read in any encoding a byte-order
// mark names and written back as UTF-8. Lines it does not know are kept.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace trelvix {

class IniFile {
public:
    // A missing file reads as empty; false only when an existing file cannot be read.
    bool Load(const QString& path);
    void Parse(const QByteArray& bytes);

    std::optional<QString> Value(const QString& section, const QString& key) const;
    // Replaces the key's line, or adds it at the end of its section (or of a new section).
    void SetValue(const QString& section, const QString& key, const QString& value);

    QByteArray Serialize() const;
    // Written whole or not at all; owner-only (0600) once it holds a broadcast password.
    bool Save(const QString& path) const;
    bool HoldsPassword() const;

private:
    // The line index of the key in the section, -1 when absent; `end` gets the index after
    // the section's last line (-1 when there is no such section).
    int Find(const QString& section, const QString& key, int* end) const;

    QStringList lines_;
};

}  // namespace trelvix
