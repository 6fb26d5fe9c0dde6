// The translation catalogues: every text of the program translated in each of the ten
// catalogues, with its placeholders, line breaks and accelerator kept, and the texts that files
// and links rely on left as they are. A failure lists every entry to complete, per catalogue.
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
    QString where; // context: "source"
    QString source, translation, type; // type: "unfinished" or empty (entries no longer used are not read)
};

QList<Entry> readCatalogue(const QString &path)
{
    QList<Entry> entries;
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString type = xml.attributes().value("type").toString();
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && type != "vanished" && type != "obsolete") {
            // A plural entry holds one <numerusform> per plural form of the language: each form is
            // checked as a translation of its own (reading it as plain text would stop the reader).
            QString text;
            QStringList forms;
            while (!xml.atEnd()
                && !(xml.readNext() == QXmlStreamReader::EndElement
                    && xml.name() == QLatin1String("translation"))) {
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    forms << xml.readElementText();
            }
            if (forms.isEmpty())
                forms << text;
            for (const QString &form : qAsConst(forms))
                entries.append(
                    { context + ": \"" + QString(source).replace("\n", "\\n") + "\"", source, form, type });
        }
    }
    return entries;
}

QString markers(const QString &text)
{
    static const QRegularExpression placeholder("%\\d+"), accel("&[^&\\s]");
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    return found.join(' ') + " lines:" + QString::number(text.count('\n'))
        + (accel.match(QString(text).remove("&&")).hasMatch() ? " &" : "");
}

QString catalogue(const QString &language)
{
    return QStringLiteral(TARVOLINK_SOURCE_DIR "/translations/vx_%1.ts").arg(language);
}
void report(const QStringList &problems, const QString &what)
{
    for (const QString &p : problems)
        qWarning().noquote() << p;
    QVERIFY2(problems.isEmpty(), qPrintable(QString("%1 %2 (listed above)").arg(problems.size()).arg(what)));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void everyEntryIsTranslatedFaithfully();
    void everyTextOfTheProgramHasAnEntry();
};

void TestTranslations::everyEntryIsTranslatedFaithfully()
{
    QStringList problems;
    for (const QString &language : Languages) {
        const QList<Entry> entries = readCatalogue(catalogue(language));
        if (entries.isEmpty())
            problems << "vx_" + language + ".ts is missing or empty";
        for (const Entry &e : entries) {
            const QString prefix = "vx_" + language + ".ts ";
            if (e.type == QLatin1String("unfinished") || e.translation.trimmed().isEmpty())
                problems << prefix + "unfinished: " + e.where;
            else if (markers(e.source) != markers(e.translation))
                problems << prefix + "placeholders, line breaks or accelerator differ: " + e.where;
            else if (Untranslated.contains(e.source) && e.translation != e.source)
                problems << prefix + "must stay as it is: " + e.where;
        }
    }
    report(problems, "catalogue entries to complete");
}

void TestTranslations::everyTextOfTheProgramHasAnEntry()
{
    // lupdate reads the program's texts as they are now: a text added since the catalogues were
    // refreshed has no entry and would show in English.
    QTemporaryDir dir;
    QProcess lupdate;
    lupdate.setWorkingDirectory(TARVOLINK_SOURCE_DIR);
    lupdate.start(TARVOLINK_LUPDATE,
        { "-silent", "-locations", "none", "-recursive", "app", "comm", "control", "devicefiles", "download",
            "linkmonitor", "oscilloscope", "parameters", "settings", "status", "units", "widgets", "-ts",
            dir.filePath("now.ts") });
    if (!lupdate.waitForStarted(5000))
        QSKIP("lupdate is not available");
    QVERIFY(lupdate.waitForFinished(60000));
    const QList<Entry> program = readCatalogue(dir.filePath("now.ts"));
    QVERIFY(!program.isEmpty());
    QStringList problems;
    for (const QString &language : Languages) {
        QSet<QString> known;
        for (const Entry &e : readCatalogue(catalogue(language)))
            known.insert(e.where);
        for (const Entry &e : program)
            if (!known.contains(e.where))
                problems << "vx_" + language + ".ts has no entry for " + e.where;
    }
    // Texts the libraries without widgets hand to message boxes and column headers: unmarked, they
    // would never reach a catalogue and show in English in every language.
    QSet<QString> marked;
    for (const Entry &e : program)
        marked.insert(e.where);
    for (const char *text : { "WorkerOps: \" Comm Error\"", "WorkerOps: \"Comm Error\\n refer log details\"",
             "WorkerOps: \"Connection Lost\"", "WorkerOps: \"OprStatusUpdate:Write Error\"",
             "WorkerOps: \"TriplogUpdate:Write Error\"", "WorkerOps: \"Device not connected\"",
             "RecFileReader: \"Invalid Rec file\"", "RecFileReader: \"CSV file not found\"",
             "RecordingWriter: \"Give Filepath\"", "TreeModel: \"Parameter Text\"",
             "QPlatformTheme: \"Cancel\"" })
        if (!marked.contains(text))
            problems << QString("not marked for translation: ") + text;
    report(problems, "texts missing: run scripts/update-translations.sh, then translate them");
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
