#pragma once

#include <QString>

namespace kalvor::platform {

// A private profile (INI) file: "[Section]" lines followed by "Key=Value" lines. Sections and keys
// match regardless of case; blanks around keys and values are ignored. Each call opens and closes
// the file.
class ProfileFile {
public:
    explicit ProfileFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }
    // The value, or an empty text when the file, the section or the key is missing.
    QString readString(const QString& section, const QString& key) const;
    // Sets the value, keeping the rest of the file; the file is created readable by its owner only.
    bool writeString(const QString& section, const QString& key, const QString& value) const;

private:
    QString path_;
};

} // namespace kalvor::platform
