// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpTopics.h"

#include "base/Language.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <array>
#include <map>

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

// The language folders to read from, best first: the language the program
// speaks, then English, the one folder that holds every file.
QStringList languageFolders() {
    QStringList folders;
    if (const QString language = spokenLanguage(); QDir(Root + language).exists())
        folders << language;
    if (!folders.contains(QStringLiteral("en")))
        folders << QStringLiteral("en");
    return folders;
}

// Each topic's file by its number: the best language's own where it has one,
// else English's. Each folder is listed once.
std::map<int, QString> topicFiles(const QStringList& folders) {
    std::map<int, QString> files;
    for (auto folder = folders.crbegin(); folder != folders.crend(); ++folder) {
        const QDir dir(Root + *folder);
        for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
            bool numbered = false;
            const int number = name.section(u'-', 0, 0).toInt(&numbered);
            if (numbered)
                files[number] = dir.filePath(name);
        }
    }
    return files;
}

// A shared paragraph, in the first language that has it.
QString sharedText(const QStringList& folders, const QString& name) {
    for (const QString& folder : folders)
        if (const QString path =
                Root + folder + QStringLiteral("/shared/") + name + QStringLiteral(".txt");
            QFile::exists(path))
            return readText(path);
    return {};
}

HelpTopic readTopic(const QString& path, const QStringList& folders) {
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
            pages[page] << sharedText(folders, line.mid(9).trimmed());
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
        std::array<std::optional<HelpTopic>, LenderChecksTopic + 1> read;
        const QStringList folders = languageFolders();
        for (const auto& [number, path] : topicFiles(folders))
            if (number >= 0 && number <= LenderChecksTopic)
                read[static_cast<std::size_t>(number)] = readTopic(path, folders);
        return read;
    }();
    if (number < 0 || number >= static_cast<int>(topics.size()))
        return nullptr;
    const auto& topic = topics[static_cast<std::size_t>(number)];
    return topic ? &*topic : nullptr;
}

} // namespace hw
