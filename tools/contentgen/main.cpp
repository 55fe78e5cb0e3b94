// Turns the UTF-8 content sources into what the program embeds: the numbered
// Windows-1252 text resources, a resource list for rcc, and the constant
// tables of theme texts and short pair texts. A source that breaks its
// structure stops the build with the file and line, so a typo never ships.
//
// usage: contentgen RESOURCES_DIR OUTPUT_DIR

#include "catalogue/catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <map>

using namespace tessaly;

namespace {

const char *const ThemeSections[] = {"liefde", "werk", "geld", "spiritueel", "schaduw"};

struct Section
{
    QString name;
    int line = 0;
    QStringList lines;
};

[[noreturn]] void fail(const QString &where, int line, const QString &what)
{
    std::fprintf(stderr, "%s:%d: %s\n", qPrintable(QDir::toNativeSeparators(where)), line, qPrintable(what));
    std::exit(1);
}

std::vector<Section> readSections(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, 0, QStringLiteral("cannot read"));
    const QString text = QString::fromUtf8(file.readAll());
    std::vector<Section> sections;
    int number = 0;
    for (QString line : text.split(u'\n')) {
        ++number;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(QStringLiteral("## "))) {
            sections.push_back({line.mid(3).trimmed(), number, {}});
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        if (sections.empty())
            fail(path, number, QStringLiteral("text before the first '## ' heading"));
        if (line != line.trimmed())
            fail(path, number, QStringLiteral("leading or trailing blanks"));
        if (!ToWindows1252(line))
            fail(path, number, QStringLiteral("character that Windows-1252 cannot hold"));
        sections.back().lines.append(line);
    }
    return sections;
}

QByteArray encode(const QString &text)
{
    return *ToWindows1252(text);
}

void write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(path, 0, QStringLiteral("cannot write"));
}

QByteArray cString(const QString &text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: contentgen RESOURCES_DIR OUTPUT_DIR\n");
        return 2;
    }
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    out.mkpath(QStringLiteral("res"));

    std::map<int, QString> resources; // number -> file for rcc
    for (int n = 0; n <= CardCount; ++n)
        resources[n + FirstPictureResource] =
            sources.absoluteFilePath(QStringLiteral("pictures/card%1.jpg").arg(n, 2, 10, QChar(u'0')));

    QStringList themes;
    for (int n = 1; n <= CardCount; ++n) {
        const QString path =
            sources.absoluteFilePath(QStringLiteral("cards/%1.txt").arg(n, 2, 10, QChar(u'0')));
        const std::vector<Section> sections = readSections(path);
        if (sections.size() != 6 || sections[0].name != QLatin1String("beschrijving"))
            fail(path, 1,
                 QStringLiteral("want sections beschrijving, liefde, werk, geld, spiritueel, schaduw"));
        if (sections[0].lines.isEmpty())
            fail(path, sections[0].line, QStringLiteral("empty description"));
        const QString description = QLatin1Char(' ') + QString::number(n) + QStringLiteral(". ") +
                                    DescriptionNames[n] + QStringLiteral("\r\n") +
                                    sections[0].lines.join(QStringLiteral("\r\n"));
        const QString file =
            out.absoluteFilePath(QStringLiteral("res/%1").arg(n + FirstCardTextResource - 1));
        write(file, encode(description));
        resources[n + FirstCardTextResource - 1] = file;
        for (int t = 0; t < 5; ++t) {
            const Section &section = sections[t + 1];
            if (section.name != QLatin1String(ThemeSections[t]))
                fail(path, section.line,
                     QStringLiteral("want section %1").arg(QLatin1String(ThemeSections[t])));
            if (section.lines.size() != 1)
                fail(path, section.line, QStringLiteral("a theme text is one line"));
            themes.append(section.lines.first());
        }
    }

    // Pair sources arrive card by card; a missing file leaves its pairs empty
    // and the content test reports them.
    QStringList bare(PairCount);
    for (int a = 1; a <= CardCount; ++a) {
        const QString path =
            sources.absoluteFilePath(QStringLiteral("pairs/%1.txt").arg(a, 2, 10, QChar(u'0')));
        if (!QFile::exists(path))
            continue;
        const std::vector<Section> sections = readSections(path);
        int b = 0;
        for (const Section &section : sections) {
            b += (b + 1 == a) ? 2 : 1;
            const QString want = TwoDigitNumbers[a] + u'+' + TwoDigitNumbers[std::min(b, 36)];
            if (b > CardCount || section.name != want)
                fail(path, section.line,
                     QStringLiteral("want pair %1 here").arg(b > CardCount ? QStringLiteral("none") : want));
            if (section.lines.size() < 2)
                fail(path, section.line, QStringLiteral("want a short text and a long text"));
            const int index = PairIndexOf(a, b);
            bare[index - 1] = section.lines.first();
            const QString header = QString::number(a) + QStringLiteral(" + ") + QString::number(b) +
                                   QStringLiteral(" \u2014 ") + LongPairNames[a] + QStringLiteral(" + ") +
                                   LongPairNames[b];
            const QString text = header + QStringLiteral("\r\n") +
                                 section.lines.mid(1).join(QStringLiteral("\r\n")) +
                                 QStringLiteral("\r\n---\r\n");
            const int number = index + FirstPairTextResource - 1;
            const QString file = out.absoluteFilePath(QStringLiteral("res/%1").arg(number));
            write(file, encode(text));
            resources[number] = file;
        }
    }

    QByteArray tables = "// Generated by tools/contentgen from resources/; edit the sources there.\n"
                        "#include \"catalogue/content_tables.h\"\n\n"
                        "namespace tessaly::content {\n\n"
                        "const char *const ThemeTexts[ThemeTextCount] = {\n";
    for (const QString &text : themes)
        tables += "    " + cString(text) + ",\n";
    tables += "};\n\nconst char *const PairBareTexts[PairTextCount] = {\n";
    for (const QString &text : bare)
        tables += "    " + cString(text) + ",\n";
    tables += "};\n\n} // namespace tessaly::content\n";
    write(out.absoluteFilePath(QStringLiteral("content_tables.cpp")), tables);

    QByteArray qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/res\">\n";
    for (const auto &[number, file] : resources)
        qrc += "  <file alias=\"" + QByteArray::number(number) + "\">" + file.toUtf8() + "</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    write(out.absoluteFilePath(QStringLiteral("content.qrc")), qrc);
    return 0;
}
