// Makes the user guide that the About window opens: the README as an HTML
// page, with the screenshots it shows beside it.
//   hearthwise_guide README.md SCREENSHOTS_DIR OUTPUT_DIR

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: hearthwise_guide README.md SCREENSHOTS_DIR OUTPUT_DIR\n");
        return 2;
    }
    QFile readme(args[1]);
    if (!readme.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QTextDocument guide;
    guide.setMarkdown(QString::fromUtf8(readme.readAll()));
    guide.setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("Hearthwise user guide"));

    const QDir out(args[3]);
    const QDir pictures(args[2]);
    if (!out.mkpath(QStringLiteral("docs/screenshots")))
        return 1;
    for (const QString& name : pictures.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        const QString target = out.filePath(QStringLiteral("docs/screenshots/") + name);
        QFile::remove(target);
        if (!QFile::copy(pictures.filePath(name), target))
            return 1;
    }
    QSaveFile page(out.filePath(QStringLiteral("index.html")));
    if (!page.open(QIODevice::WriteOnly))
        return 1;
    page.write(guide.toHtml().toUtf8());
    return page.commit() ? 0 : 1;
}
