// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program and a bare Qt window alternately, each in a fresh home folder,
// and prints the medians of the time from the start of the process to its first
// frame, their ratio, the program's peak RSS at its first frame and the median of
// each step of the program's start-up trace (LEXIPOND_STARTUP_TRACE).
// Usage: bench_startup [runs of each, at least 5; 7 if not given]
// The platform is offscreen unless QT_QPA_PLATFORM says otherwise (e.g. xcb under Xvfb).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double ms = -1;   // process start to first frame, seen from here
    long peakKb = 0;  // VmHWM at the first frame
    QByteArray trace; // what the process wrote on stderr
};

long peakRssKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

Run startOnce(const QString& program)
{
    Run run;
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("QT_LOGGING_RULES"));

    QProcess process;
    process.setReadChannel(QProcess::StandardError);
    const Clock::time_point spawn = Clock::now();
    env.insert(QStringLiteral("LEXIPOND_STARTUP_TRACE"),
               QString::number(
                   std::chrono::duration_cast<std::chrono::nanoseconds>(spawn.time_since_epoch())
                       .count()));
    process.setProcessEnvironment(env);
    process.start(program, {});
    while (process.waitForReadyRead(10000) || process.state() == QProcess::Running) {
        run.trace += process.readAllStandardError();
        if (run.trace.contains("startup first frame")) {
            run.ms = std::chrono::duration<double, std::milli>(Clock::now() - spawn).count();
            run.peakKb = peakRssKb(process.processId());
            break;
        }
        if (std::chrono::duration<double>(Clock::now() - spawn).count() > 20)
            break;
    }
    process.kill();
    process.waitForFinished();
    run.trace += process.readAllStandardError();
    return run;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = std::max(5, argc > 1 ? QByteArray(argv[1]).toInt() : 7);
    std::vector<double> program, bare, peakMb;
    std::vector<std::string> stepOrder;
    std::map<std::string, std::vector<double>> steps;
    const QRegularExpression stepLine(QStringLiteral("startup (.+) ([0-9.]+)$"),
                                      QRegularExpression::MultilineOption);
    for (int i = 0; i < runs; ++i) {
        const Run b = startOnce(QStringLiteral(LXP_BARE));
        const Run p = startOnce(QStringLiteral(LXP_PROGRAM));
        if (b.ms < 0 || p.ms < 0) {
            std::fprintf(stderr, "no first frame; stderr of the program:\n%s\n",
                         p.trace.constData());
            return 1;
        }
        bare.push_back(b.ms);
        program.push_back(p.ms);
        peakMb.push_back(p.peakKb / 1024.0);
        std::printf("run %d: bare %.1f ms, program %.1f ms, program peak RSS %.1f MB\n", i + 1,
                    b.ms, p.ms, p.peakKb / 1024.0);
        auto it = stepLine.globalMatch(QString::fromUtf8(p.trace));
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            const std::string step = m.captured(1).toStdString();
            if (!steps.count(step))
                stepOrder.push_back(step);
            steps[step].push_back(m.captured(2).toDouble());
        }
    }
    std::printf("\nstart-up of the program, median of %d runs (ms since the process started):\n",
                runs);
    for (const std::string& step : stepOrder)
        std::printf("  %-28s %7.1f\n", step.c_str(), median(steps[step]));
    const double medianProgram = median(program), medianBare = median(bare);
    std::printf("\nmedian to first frame: program %.1f ms, bare Qt window %.1f ms, ratio %.2f\n",
                medianProgram, medianBare, medianProgram / medianBare);
    std::printf("program peak RSS at first frame: median %.1f MB, max %.1f MB\n", median(peakMb),
                *std::max_element(peakMb.begin(), peakMb.end()));
    return 0;
}
