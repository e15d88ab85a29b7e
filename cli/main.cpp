// tallyra-cli: a command-line front end over the Tallyra core, for
// scripting, import and export, and reports with --json output.

#include <cstdio>

#include <QCommandLineParser>
#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallyra-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYRA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tallyra: personal money, from the command line."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    parser.showHelp(0);
}
