// SPDX-License-Identifier: GPL-2.0-or-later
#include "hostoptions.h"

namespace trivia {

namespace {

const QStringList ourOptions = {"--register", "--unregister", "--create", "--load",
                                "--set",      "--call",       "--save"};

// Qt's own options that take a value.
const QStringList qtValueOptions = {
    "-platform",        "-platformpluginpath", "-platformtheme", "-plugin",
    "-qwindowgeometry", "-qwindowicon",        "-qwindowtitle",  "-session",
    "-display",         "-geometry",           "-style",         "-stylesheet"};

} // namespace

HostCommandLine parseCommandLine(const QStringList& args) {
    HostCommandLine line;
    for (int i = 0; i < args.size() && line.error.isEmpty(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            line.help = true;
        } else if (ourOptions.contains(arg)) {
            if (i + 1 == args.size())
                line.error = QStringLiteral("%1 needs a value").arg(arg);
            else
                line.steps.append({arg, args[++i]});
        } else if (arg.startsWith(QLatin1String("--"))) {
            line.error = QStringLiteral("unknown option %1").arg(arg);
        } else if (arg.startsWith(QChar('-'))) {
            if (qtValueOptions.contains(arg)) ++i;
        } else {
            line.error = QStringLiteral("unexpected argument \"%1\"").arg(arg);
        }
    }
    return line;
}

QString usageText() {
    return QStringLiteral(
        "Usage: trivia-host [OPTION]...\n"
        "A container in which to try the controls of a registered control library.\n"
        "\n"
        "The options run in the order given, once the window is open:\n"
        "  --register LIB      register the control library LIB (e.g. libtrivia.so)\n"
        "  --unregister LIB    remove LIB's controls from the registry\n"
        "  --create PROGID     create a registered control, e.g. triviactl.ctlQsort\n"
        "  --load FILE         create a control from a saved property bag\n"
        "  --set NAME=VALUE    set a property; VALUE may name its kind: item0=integer:12,\n"
        "                      Enabled=boolean:True (kinds: string, integer, long, double,\n"
        "                      boolean)\n"
        "  --call METHOD       call a method, e.g. updatelist\n"
        "  --save FILE         save the control to a property bag\n"
        "  -h, --help          show this help and stop\n"
        "\n"
        "The registry is $CONTROLS_REGISTRY, or else\n"
        "$XDG_DATA_HOME/trivia-controls/registry (~/.local/share/trivia-controls/registry).\n"
        "ctlFile reads velk.dat from the folder trivia-host was started in.\n");
}

} // namespace trivia
