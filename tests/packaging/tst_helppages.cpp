// The help pages as a browser opens them from the installed folders: every
// link and picture leads somewhere, every picture is shown at its own size,
// the English and German pages have the same sections and pictures, and
// their table of models is the catalogue's.
#include "modeltable.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QDir kRoot(QStringLiteral(MESTREL_SOURCE_DIR));
const QStringList kLanguages = {QStringLiteral("HelpEn"), QStringLiteral("HelpDe")};

QString pageText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// Each match of `pattern` as its captured groups, the empty ones left out,
// joined by "#".
QStringList matches(const QString &text, const QString &pattern)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext()) {
        const QStringList groups = it.next().capturedTexts().mid(1);
        found << groups.filter(QRegularExpression(QStringLiteral("."))).join('#');
    }
    return found;
}

// The outline of a page: each heading's level and id, in order ("h2#save",
// "h3" for a heading without an id).
QStringList outline(const QString &html)
{
    return matches(html, QStringLiteral("<(h[1-6])(?:[^>]*?\\sid=\"([^\"]*)\")?[^>]*>"));
}

// The pictures of a page, each with the size its tag gives it.
struct Picture
{
    QString source;
    QSize shownSize;
};

QVector<Picture> pictures(const QString &html)
{
    QVector<Picture> found;
    for (const QString &tag : matches(html, QStringLiteral("(<img\\s[^>]*>)"))) {
        const auto attribute = [&tag](const char *name) {
            return QRegularExpression(QStringLiteral("\\s%1=\"([^\"]*)\"").arg(name))
                .match(tag)
                .captured(1);
        };
        found.append(
            {attribute("src"), QSize(attribute("width").toInt(), attribute("height").toInt())});
    }
    return found;
}

// For each row of a table, its cells and those a rowspan above reaches
// into it.
QVector<int> coveredColumns(const QStringList &rows)
{
    QVector<int> columns(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        columns[i] += rows[i].count(QStringLiteral("<td"));
        for (const QString &span : matches(rows[i], QStringLiteral("rowspan=\"(\\d+)\""))) {
            for (int below = 1; below < span.toInt() && i + below < rows.size(); ++below)
                ++columns[i + below];
        }
    }
    return columns;
}

QString lastCellText(const QString &row)
{
    return QRegularExpression(QStringLiteral(">([^<>]*)</td></tr>$")).match(row).captured(1);
}

QStringList pageNames(const QString &language)
{
    return QDir(kRoot.filePath(language)).entryList({QStringLiteral("*.html")}, QDir::Files);
}

} // namespace

class TestHelpPages : public QObject
{
    Q_OBJECT

private slots:
    void linksAndPicturesResolve_data()
    {
        QTest::addColumn<QString>("page");
        for (const QString &language : kLanguages) {
            for (const QString &name : pageNames(language)) {
                const QString page = language + '/' + name;
                QTest::newRow(qPrintable(page)) << page;
            }
        }
        QTest::newRow("Licenses/licensetext.html") << QStringLiteral("Licenses/licensetext.html");
    }

    void linksAndPicturesResolve()
    {
        QFETCH(QString, page);
        const QString pagePath = kRoot.filePath(page);
        const QString html = pageText(pagePath);
        QVERIFY2(!html.isEmpty(), qPrintable(pagePath));
        const QDir pageFolder = QFileInfo(pagePath).dir();

        const QStringList targets = matches(html, QStringLiteral("\\s(?:href|src)=\"([^\"]*)\""));
        QVERIFY(!targets.isEmpty());
        for (const QString &target : targets) {
            if (target.contains(QLatin1String("://")) ||
                target.startsWith(QLatin1String("mailto:")))
                continue; // the web is not part of the installation
            const QString file = target.section('#', 0, 0);
            const QString anchor = target.section('#', 1);
            const QString targetPath = file.isEmpty() ? pagePath : pageFolder.filePath(file);
            QVERIFY2(QFileInfo(targetPath).isFile(), qPrintable(target + " from " + page));
            if (!anchor.isEmpty()) {
                const QString targetHtml = pageText(targetPath);
                QVERIFY2(matches(targetHtml, QStringLiteral("\\s(?:id|name)=\"([^\"]*)\""))
                             .contains(anchor),
                         qPrintable(target + " from " + page));
            }
        }
        // A picture shown at another size than its own is blurred or cut.
        for (const Picture &picture : pictures(html)) {
            const QSize ownSize = QImageReader(pageFolder.filePath(picture.source)).size();
            QVERIFY2(ownSize.isValid(), qPrintable(picture.source));
            QVERIFY2(picture.shownSize.height() * ownSize.width() ==
                         picture.shownSize.width() * ownSize.height(),
                     qPrintable(QStringLiteral("%1 is %2x%3")
                                    .arg(picture.source)
                                    .arg(ownSize.width())
                                    .arg(ownSize.height())));
        }
    }

    void languagesHaveTheSameSections_data()
    {
        QTest::addColumn<QString>("name");
        QStringList names = pageNames(kLanguages[0]) + pageNames(kLanguages[1]);
        names.removeDuplicates();
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }

    void languagesHaveTheSameSections()
    {
        QFETCH(QString, name);
        const QString english = pageText(kRoot.filePath(kLanguages[0] + '/' + name));
        const QString german = pageText(kRoot.filePath(kLanguages[1] + '/' + name));
        QVERIFY2(!english.isEmpty(), "no English page");
        QVERIFY2(!german.isEmpty(), "no German page");
        QVERIFY(outline(english).size() > 1);
        // Joined, so that a failure shows both outlines.
        QCOMPARE(outline(german).join(' '), outline(english).join(' '));
        const QString sources = QStringLiteral("<img\\s[^>]*\\ssrc=\"([^\"]*)\"");
        QCOMPARE(matches(german, sources).join(' '), matches(english, sources).join(' '));
    }

    void modelTableIsTheCatalogues_data()
    {
        QTest::addColumn<QString>("folder");
        for (const QString &language : kLanguages)
            QTest::newRow(qPrintable(language)) << language;
    }

    // The table of models holds what "make help-tables" makes from the
    // catalogue. Variants appended at the end of the catalogue get rows of
    // their own, each with the notes of the rows whose ID it shares, and every
    // row keeps all columns.
    void modelTableIsTheCatalogues()
    {
        QFETCH(QString, folder);
        const QString page = pageText(kRoot.filePath(folder + QStringLiteral("/Mestrel.html")));
        const std::optional<ModelTable::Language> language = ModelTable::languageOfFolder(folder);
        QVERIFY(language);
        const std::optional<QString> made = ModelTable::withRows(page, *language);
        QVERIFY2(made, "no marked table of models");
        QCOMPARE(page.split('\n'), made->split('\n'));

        std::vector<ProductRecord> grown = ProductCatalogue;
        grown.push_back(catalogueRow(0));
        grown.push_back(catalogueRow(5));
        const QStringList rows = ModelTable::rows(grown, *language).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), kCatalogueSize + 2);
        QCOMPARE(coveredColumns(rows), QVector<int>(rows.size(), 6));
        QCOMPARE(lastCellText(rows.last()), lastCellText(rows[5]));
    }
};

QTEST_GUILESS_MAIN(TestHelpPages)
#include "tst_helppages.moc"
