// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>
#include <string>

#include "core/version.h"

namespace quimbel {

namespace {

constexpr const char* ayuda =
    "Usage: quimbel [OPTION]\n"
    "Play Tute, the Spanish card game, against the computer: you and the seat\n"
    "opposite you against the two seats at your sides. Without an option the\n"
    "game starts.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n"
    "\n"
    "Qt's options for every program, such as -platform or -style, are accepted too.\n";

// The options QGuiApplication and QApplication take out of argv themselves,
// and whether each takes a value. Given to the reader so that it lets them be.
struct OpcionQt {
    const char* nombre;
    bool con_valor;
};
constexpr OpcionQt opciones_qt[] = {
    {"platform", true},    {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},      {"qmljsdebugger", true},      {"qwindowgeometry", true},
    {"qwindowicon", true}, {"qwindowtitle", true},       {"session", true},
    {"display", true},     {"geometry", true},           {"style", true},
    {"stylesheet", true},  {"reverse", false},           {"widgetcount", false},
};

int error(const QString& que) {
    std::fprintf(stderr, "quimbel: %s (see quimbel --help)\n", qPrintable(que));
    return 2;
}

// An option's name as the reader knows it: no leading dashes, no "=value".
QString nombre_de(const QString& argumento) {
    const QString n = argumento.section(QLatin1Char('='), 0, 0);
    return n.mid(n.startsWith(QLatin1String("--")) ? 2 : 1);
}

// What is wrong with a command line the reader refused, in our own words.
QString queja(const QCommandLineParser& lector, const QStringList& argumentos) {
    const QStringList opciones =
        argumentos.mid(1).filter(QRegularExpression(QStringLiteral("^-.")));
    if (!lector.unknownOptionNames().isEmpty()) {
        for (const QString& a : opciones)
            if (nombre_de(a) == lector.unknownOptionNames().first())
                return QStringLiteral("unknown option \"%1\"")
                    .arg(a.section(QLatin1Char('='), 0, 0));
        return QStringLiteral("unknown option \"%1\"").arg(lector.unknownOptionNames().first());
    }
    for (const QString& a : opciones)
        if (a.contains(QLatin1Char('=')))
            return QStringLiteral("option \"%1\" takes no value")
                .arg(a.section(QLatin1Char('='), 0, 0));
    // Otherwise a value is missing: only the last argument can lack one.
    return QStringLiteral("option \"%1\" needs a value").arg(argumentos.last());
}

} // namespace

std::optional<int> presentarse(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Quimbel"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(version.data(), version.size()));
    QGuiApplication::setDesktopFileName(
        QString::fromUtf8(id_aplicacion.data(), id_aplicacion.size()));
    if (argc <= 1) return std::nullopt;

    QStringList argumentos;
    for (int i = 0; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser lector;
    // As Qt reads its own options: -platform is one option, not -p -l -a ...
    lector.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption pedir_ayuda({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption pedir_version({QStringLiteral("v"), QStringLiteral("version")}, {});
    lector.addOption(pedir_ayuda);
    lector.addOption(pedir_version);
    for (const OpcionQt& o : opciones_qt)
        lector.addOption(QCommandLineOption(QString::fromLatin1(o.nombre), {},
                                            o.con_valor ? QStringLiteral("value") : QString()));

    if (!lector.parse(argumentos)) return error(queja(lector, argumentos));
    if (lector.isSet(pedir_ayuda)) {
        std::fputs(ayuda, stdout);
        return 0;
    }
    if (lector.isSet(pedir_version)) {
        std::printf("quimbel %s\n", std::string(version).c_str());
        return 0;
    }
    if (!lector.positionalArguments().isEmpty())
        return error(
            QStringLiteral("unexpected argument \"%1\"").arg(lector.positionalArguments().first()));
    return std::nullopt;
}

} // namespace quimbel
