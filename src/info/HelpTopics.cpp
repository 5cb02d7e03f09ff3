#include "HelpTopics.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <array>

// The topics are text files among the program's resources, a folder per
// language; their markup is described in help/README.md beside them.

namespace hw {

namespace {

const QString Root = QStringLiteral(":/help/");

// The file's text without its final line break.
QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

// The language folders to read from, best first; English comes last, as the
// one folder that holds every file.
QStringList languageFolders() {
    QStringList folders;
    for (QString language : QLocale().uiLanguages()) {
        language.replace(u'-', u'_');
        for (const QString& folder : {language, language.section(u'_', 0, 0)})
            if (!folders.contains(folder) && QDir(Root + folder).exists())
                folders << folder;
    }
    folders.removeAll(QStringLiteral("en"));
    folders << QStringLiteral("en");
    return folders;
}

// The path of a file in the first language folder that has it; `pattern` may
// hold a "*".
QString findFile(const QStringList& folders, const QString& pattern,
                 const QString& within = QString()) {
    for (const QString& folder : folders) {
        const QDir dir(Root + folder + within);
        if (const QStringList found = dir.entryList({pattern}, QDir::Files); !found.isEmpty())
            return dir.filePath(found.first());
    }
    return {};
}

std::optional<HelpTopic> readTopic(int number, const QStringList& folders) {
    const QString path =
        findFile(folders, QStringLiteral("%1-*.txt").arg(number, 2, 10, QLatin1Char('0')));
    if (path.isEmpty())
        return std::nullopt;
    HelpTopic topic;
    std::array<QStringList, 2> pages;
    std::size_t page = 0;
    for (const QString& line : readText(path).split(u'\n')) {
        if (line.startsWith(QLatin1String("@placement "))) {
            const QStringList numbers = line.split(u' ', Qt::SkipEmptyParts);
            topic.placement = LabelPlacement{numbers.value(1).toInt(), numbers.value(2).toInt()};
        } else if (line == QLatin1String("@page")) {
            page = 1;
        } else if (line.startsWith(QLatin1String("@include "))) {
            pages[page] << readText(findFile(folders,
                                             line.mid(9).trimmed() + QStringLiteral(".txt"),
                                             QStringLiteral("/shared")));
        } else {
            pages[page] << line;
        }
    }
    topic.firstPage = pages[0].join(u'\n');
    topic.secondPage = pages[1].join(u'\n');
    return topic;
}

} // namespace

const HelpTopic* helpTopic(int number) {
    static const auto topics = [] {
        std::array<std::optional<HelpTopic>, WhatIfTopic + 1> read;
        const QStringList folders = languageFolders();
        for (int n = 0; n <= WhatIfTopic; ++n)
            read[static_cast<std::size_t>(n)] = readTopic(n, folders);
        return read;
    }();
    if (number < 0 || number >= static_cast<int>(topics.size()))
        return nullptr;
    const auto& topic = topics[static_cast<std::size_t>(number)];
    return topic ? &*topic : nullptr;
}

} // namespace hw
