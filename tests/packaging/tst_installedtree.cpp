// The installed tree, as `cmake --install` writes it into a DESTDIR under a prefix of
// its own: the file list and links, the metadata's screenshots and release, and the
// installed program started from the tree (offscreen): it reaches the main menu, finds
// its animations beside itself or through the data folders, answers --version, and
// runs as one copy at a time.
#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <unistd.h>

namespace {

const QString kPrefix = "/opt/lexipond-test";
const QString kId = LXP_DESKTOP_ID;

// What a symbolic link holds, as written (relative or not).
QString linkText(const QString& path)
{
    char buffer[4096];
    const ssize_t size = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return size < 0 ? QString() : QString::fromLocal8Bit(buffer, size);
}

int run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env,
        QByteArray* output = nullptr, int timeoutMs = 120000)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// A started copy of the installed program with its log (stderr) collected.
struct Running {
    QProcess process;
    QByteArray log;

    void start(const QString& program, const QProcessEnvironment& env)
    {
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, {});
    }
    // Waits until the log holds `line` (or the process ends, or 30 s pass).
    bool waitFor(const QByteArray& line)
    {
        QDeadlineTimer deadline(30000);
        while (!log.contains(line) && !deadline.hasExpired()) {
            if (process.state() == QProcess::NotRunning)
                break;
            process.waitForReadyRead(200);
            log += process.readAll();
        }
        log += process.readAll();
        return log.contains(line);
    }
    QString animationsFolder() const
    {
        const auto match = QRegularExpression("animations folder: \"([^\"]*)\"").match(log);
        return match.captured(1);
    }
    ~Running()
    {
        process.kill();
        process.waitForFinished();
    }
};

} // namespace

class TestInstalledTree : public QObject {
    Q_OBJECT

    QTemporaryDir destdir;
    QTemporaryDir scratch;
    QString root; // the installed prefix inside DESTDIR

    // The program's surroundings: offscreen, its debug log on, its own runtime,
    // settings and data folders (nothing of the user's).
    QProcessEnvironment programEnv(const QString& dataDirs) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "lexipond.debug=true");
        env.insert("XDG_RUNTIME_DIR", scratch.filePath("runtime"));
        env.insert("XDG_CONFIG_HOME", scratch.filePath("config"));
        env.insert("XDG_DATA_HOME", scratch.filePath("data-home"));
        env.insert("XDG_DATA_DIRS", dataDirs);
        return env;
    }

    QString copyTree(const QString& name) const
    {
        const QString target = scratch.filePath(name);
        [&] {
            QCOMPARE(run("cp", {"-a", root, target}, QProcessEnvironment::systemEnvironment()), 0);
        }();
        return target;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(destdir.isValid() && scratch.isValid());
        QVERIFY(QDir(scratch.path()).mkpath("runtime"));
        QFile::setPermissions(scratch.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DESTDIR", destdir.path());
        QByteArray output;
        QVERIFY2(run(LXP_CMAKE, {"--install", LXP_BUILD_DIR, "--prefix", kPrefix}, env, &output) ==
                     0,
                 output.constData());
        root = destdir.path() + kPrefix;
    }

    // Every installed file and link, nothing else; the links relative.
    void fileList()
    {
        QStringList expected = {
            "bin/lexipond",
            "lib/lexipond/Animations",
            "lib/lexipond/lexipond",
            "share/applications/" + kId + ".desktop",
            "share/doc/lexipond/changelog.gz",
            "share/doc/lexipond/copyright",
            "share/icons/hicolor/scalable/apps/" + kId + ".svg",
            "share/man/man6/lexipond.6.gz",
            "share/metainfo/" + kId + ".metainfo.xml",
        };
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
            expected << QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kId);
        const QStringList animations =
            QDir(LXP_SOURCE_DIR "/Animations").entryList({"*.gif"}, QDir::Files);
        QCOMPARE(animations.size(), 104);
        for (const QString& name : animations)
            expected << "share/lexipond/Animations/" + name;

        QStringList found;
        for (QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            if (const QFileInfo entry(it.next()); entry.isSymLink() || !entry.isDir())
                found << entry.filePath().mid(root.size() + 1);
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);

        QCOMPARE(linkText(root + "/bin/lexipond"), QString("../lib/lexipond/lexipond"));
        QCOMPARE(linkText(root + "/lib/lexipond/Animations"),
                 QString("../../share/lexipond/Animations"));
        QVERIFY(QFileInfo(root + "/lib/lexipond/lexipond").isExecutable());
        for (int size : {16, 256})
            QCOMPARE(QImageReader(QString("%1/share/icons/hicolor/%2x%2/apps/%3.png")
                                      .arg(root)
                                      .arg(size)
                                      .arg(kId))
                         .size(),
                     QSize(size, size));
    }

    // The metadata names this version as its newest release, rates the content as
    // harmless, and each screenshot is a file of docs/screenshots/ of the stated size
    // (the web address ends in its name).
    void metainfo()
    {
        QFile file(root + "/share/metainfo/" + kId + ".metainfo.xml");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList releases;
        QString rating;
        int screenshots = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"content_rating")
                rating = xml.attributes().value("type").toString();
            if (xml.name() == u"content_attribute")
                rating += " " + xml.readElementText();
            if (xml.name() == u"release")
                releases << xml.attributes().value("version").toString();
            if (xml.name() == u"image") {
                const QSize size(xml.attributes().value("width").toInt(),
                                 xml.attributes().value("height").toInt());
                const QString url = xml.readElementText();
                const QString prefix = "https://www.corvane-software.example/lexipond/screenshots/";
                QVERIFY2(url.startsWith(prefix), qPrintable(url));
                const QString path = LXP_SOURCE_DIR "/docs/screenshots/" + url.mid(prefix.size());
                QVERIFY2(QFile::exists(path), qPrintable(path));
                QCOMPARE(QImageReader(path).size(), size);
                ++screenshots;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(releases.value(0), QString(LXP_VERSION));
        // OARS 1.1 with nothing to rate: no attribute, or each one "none".
        QCOMPARE(rating.split(' ').filter(QRegularExpression("^(?!none$)")),
                 QStringList{"oars-1.1"});
        QVERIFY(screenshots >= 1);
    }

    void version()
    {
        QByteArray output;
        QCOMPARE(run(root + "/bin/lexipond", {"--version"}, programEnv("/nonexistent"), &output),
                 0);
        QCOMPARE(output, QByteArray("Lexipond " LXP_VERSION "\n"));
    }

    // Started from the tree (through bin/), the program reaches the main menu and names
    // an animations folder that holds the letters' files.
    void findsAnimations_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<bool>("dropLink");
        QTest::addColumn<bool>("dataDirs");
        QTest::addColumn<QString>("expected");
        QTest::newRow("installed: beside the program")
            << "" << false << false << "/lib/lexipond/Animations";
        QTest::newRow("copied elsewhere: its link still leads there")
            << "copy-with-link" << false << false << "/lib/lexipond/Animations";
        QTest::newRow("copied without the link: through XDG_DATA_DIRS")
            << "copy-without-link" << true << true << "/share/lexipond/Animations";
    }
    void findsAnimations()
    {
        QFETCH(QString, tree);
        QFETCH(bool, dropLink);
        QFETCH(bool, dataDirs);
        QFETCH(QString, expected);
        const QString base = tree.isEmpty() ? root : copyTree(tree);
        if (dropLink)
            QVERIFY(QFile::remove(base + "/lib/lexipond/Animations"));
        Running program;
        program.start(base + "/bin/lexipond",
                      programEnv(dataDirs ? "/nonexistent:" + base + "/share" : "/nonexistent"));
        QVERIFY2(program.waitFor("main menu shown"), program.log.constData());
        QCOMPARE(program.animationsFolder(), base + expected);
        QVERIFY(QFile::exists(program.animationsFolder() + "/A ucase chr.gif"));
    }

    // A second start asks the running copy to come to the front and ends; after the
    // first copy is killed, its lock does not stop the next start.
    void oneCopyAtATime()
    {
        const QProcessEnvironment env = programEnv("/nonexistent");
        const QString program = root + "/bin/lexipond";
        {
            Running first;
            first.start(program, env);
            QVERIFY2(first.waitFor("main menu shown"), first.log.constData());
            QByteArray output;
            QCOMPARE(run(program, {}, env, &output, 20000), 0);
            QVERIFY2(output.contains("already running"), output.constData());
            QVERIFY2(first.waitFor("a second start"), first.log.constData());
            QCOMPARE(first.process.state(), QProcess::Running);
        } // killed here, leaving its lock and socket behind
        QVERIFY(QFile::exists(scratch.filePath("runtime/" + kId + ".lock")));
        Running next;
        next.start(program, env);
        QVERIFY2(next.waitFor("main menu shown"), next.log.constData());
    }
};

QTEST_GUILESS_MAIN(TestInstalledTree)
#include "tst_installedtree.moc"
