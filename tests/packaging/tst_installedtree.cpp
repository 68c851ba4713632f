// SPDX-License-Identifier: GPL-3.0-or-later
// The tree `cmake --install` writes into a DESTDIR, and the program started from it.
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

// A started program with its output collected; killed, if still running, at the end.
struct Running {
    QProcess process;
    QByteArray log;

    Running(const QString& program, const QStringList& arguments, const QProcessEnvironment& env)
    {
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
    }
    ~Running()
    {
        process.kill();
        process.waitForFinished();
    }
    // Waits until the log holds `line` (or the process ends, or 30 s pass).
    bool waitFor(const QByteArray& line)
    {
        QDeadlineTimer deadline(30000);
        while (!log.contains(line) && !deadline.hasExpired() &&
               process.state() != QProcess::NotRunning) {
            process.waitForReadyRead(200);
            log += process.readAll();
        }
        log += process.readAll();
        return log.contains(line);
    }
    // The exit code once the process has ended; -1 when it crashed or did not end in time.
    int exitCode(int timeoutMs = 120000)
    {
        const bool ended = process.waitForFinished(timeoutMs);
        log += process.readAll();
        return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
};

} // namespace

class TestInstalledTree : public QObject {
    Q_OBJECT

    QTemporaryDir destdir;
    QTemporaryDir scratch;
    QString root; // the installed prefix inside DESTDIR

    // Offscreen, the debug log on, runtime, settings and data folders of its own.
    QProcessEnvironment programEnv(const QString& dataDirs = "/nonexistent") const
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

private slots:
    void initTestCase()
    {
        QVERIFY(destdir.isValid() && scratch.isValid());
        QVERIFY(QDir(scratch.path()).mkpath("runtime"));
        QFile::setPermissions(scratch.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DESTDIR", destdir.path());
        Running install(LXP_CMAKE, {"--install", LXP_BUILD_DIR, "--prefix", kPrefix}, env);
        QVERIFY2(install.exitCode() == 0, install.log.constData());
        root = destdir.path() + kPrefix;
    }

    // Every installed file and link, nothing else; the links relative; each icon of its size.
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
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            expected << QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kId);
            QCOMPARE(QImageReader(root + "/" + expected.last()).size(), QSize(size, size));
        }
        for (const QString& name : QDir(LXP_SOURCE_DIR "/Animations").entryList({"*.gif"}))
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
    }

    // The metadata names this version as its newest release, and each screenshot is a file
    // of docs/screenshots/ of the stated size (the web address ends in its name).
    void metainfo()
    {
        QFile file(root + "/share/metainfo/" + kId + ".metainfo.xml");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList releases;
        int screenshots = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes attributes = xml.attributes();
            if (xml.name() == u"release")
                releases << attributes.value("version").toString();
            else if (xml.name() == u"image") {
                const QString url = xml.readElementText();
                const QString prefix = "https://www.corvane-software.example/lexipond/screenshots/";
                const QString path = LXP_SOURCE_DIR "/docs/screenshots/" + url.mid(prefix.size());
                QVERIFY2(url.startsWith(prefix) && QFile::exists(path), qPrintable(url));
                QCOMPARE(QImageReader(path).size(), QSize(attributes.value("width").toInt(),
                                                          attributes.value("height").toInt()));
                ++screenshots;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(releases.value(0), QString(LXP_VERSION));
        QVERIFY(screenshots >= 1);
    }

    void version()
    {
        Running program(root + "/bin/lexipond", {"--version"}, programEnv());
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.log, QByteArray("Lexipond " LXP_VERSION "\n"));
    }

    // Started through bin/, the program reaches the main menu and finds its animations.
    void findsAnimations_data()
    {
        QTest::addColumn<QString>("copy"); // the tree copied there first, when given
        QTest::addColumn<QString>("expected");
        QTest::newRow("installed: beside the program") << ""
                                                       << "/lib/lexipond/Animations";
        QTest::newRow("copied elsewhere: its link still leads there") << "copy-with-link"
                                                                      << "/lib/lexipond/Animations";
        QTest::newRow("copied without the link: through XDG_DATA_DIRS")
            << "copy-without-link"
            << "/share/lexipond/Animations";
    }
    void findsAnimations()
    {
        QFETCH(QString, copy);
        QFETCH(QString, expected);
        const QString base = copy.isEmpty() ? root : scratch.filePath(copy);
        if (!copy.isEmpty())
            QCOMPARE(Running("cp", {"-a", root, base}, programEnv()).exitCode(), 0);
        const bool dropLink = copy == "copy-without-link";
        QVERIFY(!dropLink || QFile::remove(base + "/lib/lexipond/Animations"));
        Running program(base + "/bin/lexipond", {},
                        programEnv(dropLink ? "/nonexistent:" + base + "/share" : "/nonexistent"));
        QVERIFY2(program.waitFor("main menu shown"), program.log.constData());
        const QString folder =
            QRegularExpression("animations folder: \"([^\"]*)\"").match(program.log).captured(1);
        QCOMPARE(folder, base + expected);
        QVERIFY(QFile::exists(folder + "/A ucase chr.gif"));
    }

    // A second start asks the running copy to come to the front and ends; after the
    // first copy is killed, its lock does not stop the next start.
    void oneCopyAtATime()
    {
        const QString program = root + "/bin/lexipond";
        {
            Running first(program, {}, programEnv());
            QVERIFY2(first.waitFor("main menu shown"), first.log.constData());
            Running second(program, {}, programEnv());
            QCOMPARE(second.exitCode(20000), 0);
            QVERIFY2(second.log.contains("already running"), second.log.constData());
            QVERIFY2(first.waitFor("a second start"), first.log.constData());
            QCOMPARE(first.process.state(), QProcess::Running);
        } // killed here, leaving its lock and socket behind
        QVERIFY(QFile::exists(scratch.filePath("runtime/" + kId + ".lock")));
        Running next(program, {}, programEnv());
        QVERIFY2(next.waitFor("main menu shown"), next.log.constData());
    }
};

QTEST_GUILESS_MAIN(TestInstalledTree)
#include "tst_installedtree.moc"
