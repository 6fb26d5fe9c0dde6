// The translation catalogues: every text of the program translated in each of the ten
// catalogues, with its placeholders, line breaks and accelerator kept, and the texts that files
// and links rely on left as they are. A failure lists every entry to complete, per catalogue.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QStringList Languages { "sv_SV", "nl_NL", "de_DE", "fr_FR", "es_ES", "ru_RU", "it_IT", "cs_CS", "tr_TR",
    "pt_PT" };
// Serial-line keys the program compares and writes into files: the same in every language.
const QStringList Untranslated { "N", "E", "O", "M", "S", "RS232", "RS485", "(*.pdf)", "(*.dat)" };

struct Entry
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

QList<Entry> readCatalogue(const QString &path, QString *error)
{
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot open " + path;
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            entry = Entry { context, {}, {}, {} };
        else if (xml.name() == QLatin1String("source"))
            entry.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            entry.type = xml.attributes().value("type").toString();
            entry.translation = xml.readElementText();
            entries.append(entry);
        }
    }
    if (xml.hasError())
        *error = path + ": " + xml.errorString();
    return entries;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker("%(\\d+)");
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    return found;
}

bool hasAccelerator(const QString &text)
{
    static const QRegularExpression accel("&[^&\\s]");
    return accel.match(QString(text).remove("&&")).hasMatch();
}

QString key(const QString &context, const QString &source)
{
    return context + QLatin1Char('\x1f') + source;
}

QString shown(const QString &context, const QString &source)
{
    return context + ": \"" + QString(source).replace("\n", "\\n") + "\"";
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void everyEntryIsTranslatedFaithfully_data();
    void everyEntryIsTranslatedFaithfully();
    void everyTextOfTheProgramHasAnEntry();
};

void TestTranslations::everyEntryIsTranslatedFaithfully_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::everyEntryIsTranslatedFaithfully()
{
    QFETCH(QString, language);
    const QString path = QStringLiteral(TARVOLINK_SOURCE_DIR "/translations/vx_%1.ts").arg(language);
    QString error;
    const QList<Entry> entries = readCatalogue(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!entries.isEmpty());
    QStringList problems;
    for (const Entry &e : entries) {
        const QString where = shown(e.context, e.source);
        if (e.type == QLatin1String("vanished") || e.type == QLatin1String("obsolete"))
            continue; // no longer used by the program
        if (e.type == QLatin1String("unfinished") || e.translation.trimmed().isEmpty()) {
            problems << "unfinished: " + where;
            continue;
        }
        if (placeholders(e.source) != placeholders(e.translation))
            problems << "placeholders differ: " + where;
        if (e.source.count('\n') != e.translation.count('\n'))
            problems << "line breaks differ: " + where;
        if (hasAccelerator(e.source) != hasAccelerator(e.translation))
            problems << "accelerator lost or added: " + where;
        if (Untranslated.contains(e.source) && e.translation != e.source)
            problems << "must stay as it is: " + where;
    }
    for (const QString &p : problems)
        qWarning().noquote() << "vx_" + language + ".ts" << p;
    QVERIFY2(problems.isEmpty(),
        qPrintable(QString("%1 entries of vx_%2.ts to complete (listed above; scripts/update-translations.sh "
                           "brings in new texts)")
                       .arg(problems.size())
                       .arg(language)));
}

void TestTranslations::everyTextOfTheProgramHasAnEntry()
{
    // lupdate reads the program's texts as they are now; a text added since the catalogues were
    // refreshed has no entry and would show in English.
    QTemporaryDir dir;
    const QString fresh = dir.filePath("fresh.ts");
    QProcess lupdate;
    lupdate.setWorkingDirectory(TARVOLINK_SOURCE_DIR);
    lupdate.start(TARVOLINK_LUPDATE,
        { "-silent", "-locations", "none", "-recursive", "app", "comm", "control", "devicefiles", "download",
            "oscilloscope", "parameters", "settings", "status", "units", "widgets", "-ts", fresh });
    if (!lupdate.waitForStarted(5000))
        QSKIP("lupdate is not available");
    QVERIFY(lupdate.waitForFinished(60000));
    QString error;
    const QList<Entry> program = readCatalogue(fresh, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!program.isEmpty());
    QStringList problems;
    for (const QString &language : Languages) {
        QSet<QString> known;
        for (const Entry &e : readCatalogue(
                 QStringLiteral(TARVOLINK_SOURCE_DIR "/translations/vx_%1.ts").arg(language), &error))
            if (e.type != QLatin1String("vanished") && e.type != QLatin1String("obsolete"))
                known.insert(key(e.context, e.source));
        for (const Entry &e : program)
            if (!known.contains(key(e.context, e.source)))
                problems << "vx_" + language + ".ts has no entry for " + shown(e.context, e.source);
    }
    for (const QString &p : problems)
        qWarning().noquote() << p;
    QVERIFY2(problems.isEmpty(),
        qPrintable(QString("%1 texts of the program missing from the catalogues: run "
                           "scripts/update-translations.sh, then translate the entries listed")
                       .arg(problems.size())));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
