#include "profilefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace kalvor::platform {

namespace {

QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The section name of a "[Section]" line, or a null text.
QString sectionOf(const QString& line) {
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return {};
}

bool isKeyLine(const QString& line, const QString& key) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

QString ProfileFile::readString(const QString& section, const QString& key) const {
    bool inSection = false;
    for (const QString& line : readLines(path_)) {
        if (const QString name = sectionOf(line); !name.isNull()) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
        } else if (inSection && isKeyLine(line, key)) {
            return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
        }
    }
    return {};
}

bool ProfileFile::writeString(const QString& section, const QString& key, const QString& value) const {
    QStringList lines = readLines(path_);
    const QString entry = key + QLatin1Char('=') + value;
    qsizetype sectionEnd = -1; // the index after the section's last non-blank line
    bool inSection = false;
    bool written = false;
    for (qsizetype i = 0; i < lines.size() && !written; ++i) {
        if (const QString name = sectionOf(lines[i]); !name.isNull()) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection)
                sectionEnd = i + 1;
        } else if (inSection) {
            if (isKeyLine(lines[i], key)) {
                lines[i] = entry;
                written = true;
            } else if (!lines[i].trimmed().isEmpty()) {
                sectionEnd = i + 1;
            }
        }
    }
    if (!written) {
        if (sectionEnd >= 0) {
            lines.insert(sectionEnd, entry);
        } else {
            lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
            lines.append(entry);
        }
    }

    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    if (!file.commit())
        return false;
    QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

} // namespace kalvor::platform
