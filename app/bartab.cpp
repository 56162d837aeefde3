#include "app/bartab.h"

#include "app/programstate.h"
#include "decode/limitsets.h"
#include "graphics/lcdfont.h"
#include "graphics/wincolour.h"
#include "lang/numbertext.h"
#include "lang/sprachen.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>

namespace zevo {
namespace {

// Vertical geometry of every frame, and the widths of the frames.
constexpr int FrameTop = 224;
constexpr int FrameHeight = 201;
constexpr int ForceWidth = 57;
constexpr int DiffWidth = 20;

// Left edge of each group, and of its three frames within the group: room
// for the force scale before the left frame and the percent scale before the
// difference frame.
constexpr int GroupX[BarGroupCount] = {22, 284, 546};
constexpr int LeftFrameX = 44;
constexpr int DiffFrameX = 137;
constexpr int RightFrameX = 179;
constexpr int GroupWidth = RightFrameX + ForceWidth;

// Rows above the frames.
constexpr int GroupHeadingY = 112;
constexpr int ColumnHeadingY = 138;
constexpr int ValueBoxY = 162;
constexpr int ValueBoxHeight = 24;
constexpr int ForceBoxWidth = 67;
constexpr int DiffBoxWidth = 41;
constexpr int UnitY = 204;

constexpr int TickLength = 5;
constexpr unsigned int ValueBoxColour = 16777143; // $FFFFB7, pale cyan

// Names of the parts, per group: front axle, rear axle, parking brake.
struct GroupNames {
    const char* edits[3];
    const char* bars[3];
    const char* frames[3];
    const char* heading;
    const char* columns[3];
    const char* headingText;
};
constexpr GroupNames Names[BarGroupCount] = {
    {{"edVAlinks", "edVAdiff", "edVARechts"},
     {"shbValinks", "shVADiff", "shbVArechts"},
     {"shbVAlinksMax", "shbVADiffMax", "shbVArechtsMax"},
     "Label23",
     {"Label26", "Label27", "Label28"},
     "Vorderachse"},
    {{"edHAlinks", "edHAdiff", "edHArechts"},
     {"shbHAlinks", "shbHAdiff", "shbHArechts"},
     {"shbHAlinksMax", "shbHAdiffMax", "shbHArechtsMax"},
     "Label24",
     {"Label29", "Label30", "Label31"},
     "Hinterachse"},
    {{"edFBlinks", "edFBdiff", "edFBrechts"},
     {"shbFBlinks", "shbFBdiff", "shbFBrechts"},
     {"shbFBlinksMax", "shbFBdiffMax", "shbFBrechtsMax"},
     "Label25",
     {"Label32", "Label33", "Label34"},
     "Feststellbremse"},
};
constexpr const char* ColumnTexts[3] = {"Links", "Diff.", "Rechts"};
constexpr const char* Placeholders[3] = {"1860", "10", "1850"};

// The paint box behind the shapes; its paints go to the tab.
class PaintBox : public QWidget {
  public:
    PaintBox(std::function<void(QPainter&)> paint, QWidget* parent) : QWidget(parent), paint_(std::move(paint))
    {
        setObjectName(QStringLiteral("pbbGrafik"));
    }

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        paint_(painter);
    }

  private:
    std::function<void(QPainter&)> paint_;
};

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QLatin1String(name));
    return label;
}

// A label centred over the span from x, `width` wide.
QLabel* CentredLabel(const char* name, const QString& text, int x, int width, int y, QWidget* parent)
{
    QLabel* label = MakeLabel(name, text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(x, y, width, label->sizeHint().height());
    return label;
}

QLineEdit* ValueBox(const char* name, const char* placeholder, int centre, int width, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setFont(LiquidCrystalFont(10, false));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setPlaceholderText(QLatin1String(placeholder));
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, WinColour(ValueBoxColour));
    palette.setColor(QPalette::Text, WinColour(ClRed));
    QColor dim = WinColour(ClRed);
    dim.setAlpha(110);
    palette.setColor(QPalette::PlaceholderText, dim);
    edit->setPalette(palette);
    edit->setGeometry(centre - width / 2, ValueBoxY, width, ValueBoxHeight);
    return edit;
}

BarShape* Frame(const char* name, int x, int width, QWidget* parent)
{
    auto* frame = new BarShape(name, Qt::white, parent);
    frame->setGeometry(x, FrameTop, width, FrameHeight);
    return frame;
}

// A bar of height 0 at the foot of its frame until the first paint.
BarShape* Bar(const char* name, const QColor& colour, const BarShape* frame, QWidget* parent)
{
    auto* bar = new BarShape(name, colour, parent);
    bar->setGeometry(frame->x(), frame->y() + frame->height(), frame->width(), 0);
    return bar;
}

// The fixed zero mark "0 _" left of a frame's foot: the underscore marks the base.
void ZeroMark(const BarShape* frame, QWidget* parent)
{
    QLabel* mark = MakeLabel(nullptr, QStringLiteral("0 _"), parent);
    mark->adjustSize();
    const int ascent = mark->fontMetrics().ascent();
    mark->move(frame->x() - mark->width(), frame->y() + frame->height() - ascent - 1);
}

// Labelled marks left of a frame, `marks` steps of `step`: each a 5-pixel
// tick at the frame's edge and its label centred on it, one blank before the
// tick (right against the edge, the tick would run into the last digit).
void DrawScreenMarks(QPainter& canvas, const QWidget& frame, const BarScale& scale, int marks, int step)
{
    const QFontMetrics metrics = canvas.fontMetrics();
    const int end = frame.x() - TickLength - metrics.horizontalAdvance(QLatin1Char(' '));
    for (int k = 1; k <= marks; ++k) {
        const QString label = QString::number(k * step);
        const int y = scale.Y(k * step);
        canvas.drawText(end - metrics.horizontalAdvance(label), y - metrics.height() / 2 + metrics.ascent(), label);
        canvas.drawLine(frame.x() - TickLength, y, frame.x() - 1, y);
    }
}

// The bar of `value` on `scale`, in its frame's column: from the base up.
void SetBar(BarShape* bar, const BarScale& scale, int value)
{
    const int top = scale.Y(value);
    const int base = RoundToInt(scale.y0);
    bar->setGeometry(bar->x(), std::min(top, base), bar->width(), std::max(0, base - top));
}

} // namespace

BarShape::BarShape(const char* name, const QColor& brush, QWidget* parent) : QWidget(parent), brush_(brush)
{
    setObjectName(QLatin1String(name));
}

void BarShape::SetBrushColour(const QColor& colour)
{
    if (colour == brush_)
        return;
    brush_ = colour;
    update();
}

void BarShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(brush_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

BarTab::BarTab(const ProgramState& state, QWidget* page)
    : QWidget(page), state_(state), paintBox_(new PaintBox([this](QPainter& canvas) { bubgrafikClick(canvas); }, this))
{
    setObjectName(QStringLiteral("BarTab"));
    for (int group = 0; group < BarGroupCount; ++group)
        BuildGroup(group, GroupX[group]);
    // Under the page's own headings, and as large as the page.
    lower();
    page->installEventFilter(this);
    setGeometry(page->rect());
}

void BarTab::BuildGroup(int group, int x)
{
    const GroupNames& names = Names[group];
    QLabel* heading = CentredLabel(names.heading, QLatin1String(names.headingText), x + LeftFrameX,
                                   GroupWidth - LeftFrameX, GroupHeadingY, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    const int lefts[3] = {x + LeftFrameX, x + DiffFrameX, x + RightFrameX};
    const int widths[3] = {ForceWidth, DiffWidth, ForceWidth};
    const int boxWidths[3] = {ForceBoxWidth, DiffBoxWidth, ForceBoxWidth};
    const char* units[3] = {"N", "%", "N"};
    BarShape* frames[3];
    BarShape* bars[3];
    QLineEdit* edits[3];
    for (int column = 0; column < 3; ++column) {
        const int centre = lefts[column] + widths[column] / 2;
        CentredLabel(names.columns[column], QLatin1String(ColumnTexts[column]), centre - 40, 80, ColumnHeadingY, this);
        edits[column] = ValueBox(names.edits[column], Placeholders[column], centre, boxWidths[column], this);
        CentredLabel(nullptr, QLatin1String(units[column]), lefts[column], widths[column], UnitY, this);
        frames[column] = Frame(names.frames[column], lefts[column], widths[column], this);
    }
    for (int column = 0; column < 3; ++column) {
        const QColor colour = WinColour(column == 1 ? ClBlue : ClGreen);
        bars[column] = Bar(names.bars[column], colour, frames[column], this);
    }
    ZeroMark(frames[0], this);
    ZeroMark(frames[1], this);
    groups_[size_t(group)] = {edits[0], edits[1], edits[2], bars[0], bars[1], bars[2], frames[0], frames[1], frames[2]};
}

bool BarTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void BarTab::resizeEvent(QResizeEvent*)
{
    paintBox_->setGeometry(rect());
}

void BarTab::Refresh()
{
    paintBox_->update();
}

LimitChoice BarTab::Limits() const
{
    LimitChoice choice;
    choice.set = state_.limitSet;
    choice.sprache = LimitSprache(state_.settings.Sprache);
    choice.registrationGroup = state_.settings.einstellungen.Field[RegistrationGroup];
    choice.vehicleType = state_.settings.einstellungen.Field[VehicleTypeField];
    return choice;
}

void BarTab::bubgrafikClick(QPainter& canvas)
{
    const Group& front = groups_[FrontAxleGroup];
    const Group& rear = groups_[RearAxleGroup];
    const Group& parking = groups_[ParkingBrakeGroup];
    axleScale_ =
        DrawBarScreenScale(canvas, BarForceMaximum(state_.result, FrontAxleGroup), {front.leftMax, rear.leftMax});
    parkingScale_ = DrawBarScreenScale(canvas, BarForceMaximum(state_.result, ParkingBrakeGroup), {parking.leftMax});
    DrawPercentScreenScale(canvas);
    UpdateBarShapes();
}

// The force scale before the given frames (all of one height): three labelled
// thirds of the full scale.
BarScale BarTab::DrawBarScreenScale(QPainter& canvas, double maximum, std::initializer_list<const BarShape*> frames)
{
    const BarShape* first = *frames.begin();
    const BarScale scale = ForceBarScale(first->y(), first->y() + first->height(), maximum);
    for (const BarShape* frame : frames)
        DrawScreenMarks(canvas, *frame, scale, BarForceMarks, ForceMark(scale.fullScale, 1));
    return scale;
}

// The percent scale before every difference frame: five labelled steps of 20.
void BarTab::DrawPercentScreenScale(QPainter& canvas)
{
    const BarShape* reference = groups_[ParkingBrakeGroup].leftMax;
    percentScale_ = MakeBarScale(reference->y(), reference->y() + reference->height(), BarPercentFullScale);
    for (const Group& group : groups_)
        DrawScreenMarks(canvas, *group.diffMax, percentScale_, BarPercentMarks, BarPercentFullScale / BarPercentMarks);
}

void BarTab::UpdateBarShapes()
{
    const LimitChoice limits = Limits();
    for (int g = 0; g < BarGroupCount; ++g) {
        const Group& group = groups_[size_t(g)];
        const BarValues v = BarGroupValues(state_.report, g);
        group.edLeft->setText(FormatC("%d", v.left));
        group.edDiff->setText(FormatC("%d", v.difference));
        group.edRight->setText(FormatC("%d", v.right));
        const BarScale& force = g == ParkingBrakeGroup ? parkingScale_ : axleScale_;
        const QColor colour =
            WinColour(BarVerdictColour(limits, g, v.difference, v.left, v.right, state_.result.TotalWeight));
        SetBar(group.left, force, v.left);
        SetBar(group.right, force, v.right);
        group.left->SetBrushColour(colour);
        group.right->SetBrushColour(colour);
        SetBar(group.diff, percentScale_, v.difference);
    }
    groups_[ParkingBrakeGroup].diff->SetBrushColour(WinColour(ClBlue));
}

} // namespace zevo
