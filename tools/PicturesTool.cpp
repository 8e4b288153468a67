// SPDX-License-Identifier: GPL-3.0-or-later
// tenebrix-pictures: writes every picture of the game as a PNG file, for
// packaging (the desktop icons) and for looking at them enlarged.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QString>
#include <QTextStream>
#include <QVector>
#include <cstdio>
#include <optional>

#include "Canvas.h"
#include "LogoFrames.h"
#include "ModeDiagrams.h"
#include "PatternTable.h"
#include "ProgramIcon.h"
#include "QtImage.h"
#include "TilePictures.h"

namespace {

using namespace tenebrix;

enum ExitCode { kSuccess = 0, kWriteFailed = 1, kBadArguments = 2 };

struct ToolOptions {
    QString outputDirectory;
    int scale = 1;
};

struct NamedPicture {
    QString fileName;
    QImage image;
};

void printError(const QString& message) {
    QTextStream(stderr) << "tenebrix-pictures: " << message << '\n';
}

std::optional<int> parseScale(const QString& text) {
    bool isNumber = false;
    const int scale = text.toInt(&isNumber);
    if (!isNumber || scale < 1 || scale > pictures::kMaxScale) return std::nullopt;
    return scale;
}

// The options, or nullopt after the reason has been printed.
std::optional<ToolOptions> parseArguments(QCommandLineParser& parser,
                                          const QStringList& arguments) {
    const QCommandLineOption scaleOption(
        "scale",
        QString("Draw each picture pixel as a K x K block (1 to %1).").arg(pictures::kMaxScale),
        "K", "1");
    parser.addOption(scaleOption);
    parser.addPositionalArgument("OUTDIR", "Directory the PNG files are written to.");
    if (!parser.parse(arguments)) {
        printError(parser.errorText());
        return std::nullopt;
    }
    if (parser.isSet("help")) return std::nullopt;
    if (parser.positionalArguments().size() != 1) {
        printError("expected exactly one output directory");
        return std::nullopt;
    }
    const std::optional<int> scale = parseScale(parser.value(scaleOption));
    if (!scale) {
        printError(QString("the scale must be a whole number from 1 to %1, not \"%2\"")
                       .arg(pictures::kMaxScale)
                       .arg(parser.value(scaleOption)));
        return std::nullopt;
    }
    return ToolOptions{parser.positionalArguments().constFirst(), *scale};
}

QString numbered(const char* stem, int number, int width) {
    return QString("%1%2.png").arg(stem).arg(number, width, 10, QChar('0'));
}

QVector<NamedPicture> allPictures(int scale) {
    QVector<NamedPicture> all;
    for (int index = 1; index <= pictures::kTilePictureCount; ++index)
        all.append({numbered("tile", index, 2), qt::toQImage(pictures::tilePicture(index, scale))});
    for (int mode = 1; mode <= kMaxMode; ++mode)
        all.append({numbered("mode", mode, 1), qt::toQImage(pictures::modeDiagram(mode, scale))});
    for (int frame = 0; frame < pictures::kLogoFrameCount; ++frame)
        all.append({numbered("logo", frame, 1), qt::toQImage(pictures::logoFrame(frame, scale))});
    all.append({"icon.png", qt::toQImage(pictures::programIcon(scale))});
    all.append({"about.png", qt::toQImage(pictures::aboutPicture(scale))});
    return all;
}

bool writePictures(const QString& directoryPath, const QVector<NamedPicture>& all) {
    QDir directory(directoryPath);
    if (!directory.mkpath(".")) {
        printError(QString("cannot create the directory \"%1\"").arg(directoryPath));
        return false;
    }
    for (const NamedPicture& picture : all) {
        const QString path = directory.filePath(picture.fileName);
        if (!picture.image.save(path, "PNG")) {
            printError(QString("cannot write \"%1\"").arg(path));
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("tenebrix-pictures");

    QCommandLineParser parser;
    parser.setApplicationDescription("Writes every picture of Tenebrix as a PNG file.");
    parser.addHelpOption();
    const std::optional<ToolOptions> options =
        parseArguments(parser, QCoreApplication::arguments());
    if (parser.isSet("help")) parser.showHelp(kSuccess);
    if (!options) {
        QTextStream(stderr) << parser.helpText();
        return kBadArguments;
    }

    const QVector<NamedPicture> all = allPictures(options->scale);
    if (!writePictures(options->outputDirectory, all)) return kWriteFailed;
    QTextStream(stdout) << "Wrote " << all.size() << " pictures to " << options->outputDirectory
                        << '\n';
    return kSuccess;
}
