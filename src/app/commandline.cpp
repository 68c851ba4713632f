// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include "core/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace lxp {

std::optional<int> handleCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's own single-dash options (-reverse, -stylesheet ...) stay whole words, so
    // their letters never read as -v or -h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Lexipond teaches young children and beginners English words and the alphabet."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // Unknown options are not an error: the program ignores its arguments.
    parser.parse(arguments);
    const bool helpAsked = parser.isSet(help) || arguments.contains(QStringLiteral("--help-all"));
    if (!helpAsked && !parser.isSet(version))
        return std::nullopt;

    // The texts name the program after the application object; no window is opened.
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(version::kProduct));
    QCoreApplication::setApplicationVersion(QLatin1String(version::kText));
    const QString text = helpAsked ? parser.helpText()
                                   : QCoreApplication::applicationName() + QLatin1Char(' ') +
                                         QCoreApplication::applicationVersion() + QLatin1Char('\n');
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    return 0;
}

} // namespace lxp
