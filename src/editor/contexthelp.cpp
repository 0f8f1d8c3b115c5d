#include "contexthelp.h"

#include <QFile>
#include <QHash>
#include <QStringList>

// Resources of a static library are brought in by name, outside any namespace.
static void initEditorResources() {
    Q_INIT_RESOURCE(editor);
}

namespace kalvor {

namespace {

QHash<int, QString> loadTopics() {
    initEditorResources();
    QHash<int, QString> topics;
    QFile file(QStringLiteral(":/help/topics.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return topics;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        bool ok = false;
        const int topic = line.left(tab).toInt(&ok);
        if (tab > 0 && ok)
            topics.insert(topic, line.mid(tab + 1).trimmed());
    }
    return topics;
}

} // namespace

QString helpText(int topic) {
    static const QHash<int, QString> topics = loadTopics();
    return topics.value(topic);
}

} // namespace kalvor
