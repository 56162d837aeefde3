// zevo-pictogram-render: renders one pictogram SVG to a BMP of a fixed pixel
// size for the report's bitmap folders.
//
//   zevo-pictogram-render SOURCE.svg WIDTH HEIGHT TARGET.bmp
//   zevo-pictogram-render SOURCE.svg WIDTH HEIGHT TARGET.png
//
// The drawing keeps its aspect ratio and sits centred on a white picture
// (a BMP has no transparency and the report page is white). A .png target
// (the desktop menu's icon) keeps a transparent background instead. Runs
// without a display. On any failure: exit code 1 and a single line on stderr.

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

// Qt's own messages are held back while the SVG loads and renders: the
// first one explains an invalid file in our single error line; on success the
// SVG module's remarks (unsupported elements, unknown attributes, ...) are
// passed on as warnings, since they mean the bitmap may differ from the
// drawing. Anything else Qt says (e.g. about the runtime directory) is of no
// concern to a build step.
bool holding = false;
QStringList heldMessages;
QStringList svgRemarks;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) // e.g. no platform plugin; Qt aborts after this
        std::fprintf(stderr, "zevo-pictogram-render: %s\n", message.simplified().toLocal8Bit().constData());
    if (!holding)
        return;
    heldMessages << message.simplified();
    if (context.category && QByteArray(context.category).startsWith("qt.svg"))
        svgRemarks << message.simplified();
}

int fail(const QString& what, const QString& detail = {})
{
    QString line = QStringLiteral("zevo-pictogram-render: ") + what;
    if (!detail.isEmpty())
        line += QStringLiteral(" (") + detail + QStringLiteral(")");
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    return 1;
}

bool parseSize(const char* text, int& value)
{
    bool ok = false;
    value = QByteArray(text).toInt(&ok);
    return ok && value > 0 && value <= 10000;
}

// The largest rectangle of the drawing's aspect ratio that fits the picture,
// centred in it.
QRectF fittedRect(const QSizeF& drawing, int width, int height)
{
    const double scale = std::min(width / drawing.width(), height / drawing.height());
    const QSizeF size = drawing * scale;
    return QRectF((width - size.width()) / 2.0, (height - size.height()) / 2.0,
                  size.width(), size.height());
}

} // namespace

int main(int argc, char* argv[])
{
    // A build step: never ask for a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(holdMessage);
    QGuiApplication app(argc, argv);

    int width = 0;
    int height = 0;
    if (argc != 5)
        return fail(QStringLiteral("usage: zevo-pictogram-render SOURCE.svg WIDTH HEIGHT TARGET.bmp|TARGET.png"));
    if (!parseSize(argv[2], width) || !parseSize(argv[3], height))
        return fail(QStringLiteral("invalid pixel size \"%1 x %2\"").arg(argv[2], argv[3]));
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[4]);
    const bool png = target.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    const char* format = png ? "PNG" : "BMP";

    holding = true;
    QSvgRenderer svg;
    if (!svg.load(source) || !svg.isValid())
        return fail(source + QStringLiteral(": not a valid SVG file"), heldMessages.value(0));
    const QSizeF drawing = svg.viewBoxF().size();
    if (drawing.width() <= 0 || drawing.height() <= 0)
        return fail(source + QStringLiteral(": the SVG has an empty view box"));

    QImage picture(width, height, png ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    picture.fill(png ? Qt::transparent : Qt::white);
    {
        QPainter painter(&picture);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        svg.render(&painter, fittedRect(drawing, width, height));
    }
    holding = false;

    // Written through a QSaveFile so that a failed run never leaves a
    // half-written bitmap that the build would take as up to date.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return fail(target + QStringLiteral(": cannot write: ") + file.errorString());
    if (!picture.save(&file, format)) {
        file.cancelWriting();
        return fail(target + QStringLiteral(": cannot write the %1 data").arg(QLatin1String(format)));
    }
    if (!file.commit())
        return fail(target + QStringLiteral(": cannot write: ") + file.errorString());

    for (const QString& remark : std::as_const(svgRemarks))
        std::fprintf(stderr, "zevo-pictogram-render: %s: warning: %s\n",
                     source.toLocal8Bit().constData(), remark.toLocal8Bit().constData());
    return 0;
}
