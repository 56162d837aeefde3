#include "app/curvetab.h"

#include "app/programstate.h"
#include "graphics/wincolour.h"
#include "lang/sprachen.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace zevo {
namespace {

template <typename T> T* Child(QWidget& page, const char* name)
{
    T* child = page.findChild<T*>(QLatin1String(name));
    Q_ASSERT_X(child, "CurveTab", name);
    return child;
}

// The samples of the plan's curves, from one table into the other.
void CopyCurves(const CurvePlan& plan, const CurveData& from, CurveData& to)
{
    for (const CurveTrace& curve : plan.curves)
        to[curve.channel] = from[curve.channel];
    if (plan.pedal)
        to[plan.pedal->channel] = from[plan.pedal->channel];
}

void SetShapeColour(QWidget* shape, unsigned int colour)
{
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, WinColour(colour));
    shape->setPalette(palette);
    shape->setAutoFillBackground(true);
}

} // namespace

CurveTab::CurveTab(ProgramState& state, QWidget& page, std::function<void()> decodeAgain, QObject* parent)
    : QObject(parent), state_(state), decodeAgain_(std::move(decodeAgain)),
      pbLGrafik_(Child<QWidget>(page, "pbLGrafik")), buttons_(new QButtonGroup(this)),
      shVALinks_(Child<QWidget>(page, "shVALinks")), shVARechts_(Child<QWidget>(page, "shVARechts")),
      shHALinks_(Child<QWidget>(page, "shHALinks")), shHArechts_(Child<QWidget>(page, "shHArechts")),
      shpedal_(Child<QWidget>(page, "shpedal")), laVaLinks_(Child<QLabel>(page, "laVaLinks")),
      laVARechts_(Child<QLabel>(page, "laVARechts")), laHALinks_(Child<QLabel>(page, "laHALinks")),
      laHArechts_(Child<QLabel>(page, "laHArechts")), laPedal_(Child<QLabel>(page, "laPedal"))
{
    buttons_->setExclusive(true);
    buttons_->addButton(Child<QAbstractButton>(page, "spbuVAHA"), spbuVAHA);
    buttons_->addButton(Child<QAbstractButton>(page, "spbuFeststell"), spbuFeststell);
    buttons_->addButton(Child<QAbstractButton>(page, "spbuVA"), spbuVA);
    buttons_->addButton(Child<QAbstractButton>(page, "spbuHA"), spbuHA);
    connect(buttons_, &QButtonGroup::idClicked, this, [this](int id) { ShowView(View(id)); });

    SetShapeColour(shVALinks_, ClRed);
    SetShapeColour(shVARechts_, ClGreen);
    SetShapeColour(shHALinks_, ClFuchsia);
    SetShapeColour(shHArechts_, ClBlue);
    SetShapeColour(shpedal_, ClYellow);
    // Room between one legend entry and the next square.
    for (QLabel* label : {laVaLinks_, laVARechts_, laHALinks_, laHArechts_, laPedal_})
        label->setContentsMargins(0, 0, 12, 0);

    pbLGrafik_->setAttribute(Qt::WA_OpaquePaintEvent);
    pbLGrafik_->installEventFilter(this);
}

void CurveTab::Tabsheet3Show()
{
    buttons_->button(spbuVAHA)->setChecked(true);
    ShowView(spbuVAHA);
}

void CurveTab::ShowView(View view)
{
    if (view < spbuVAHA || view > spbuHA)
        return;
    if (QAbstractButton* button = buttons_->button(view); !button->isChecked())
        button->setChecked(true);
    decodeAgain_(); // reloads the curves too
    state_.SmoothCurves = true;
    view_ = view;
    plan_ = PlanCurves(state_.result, state_.curves, view, EmptyCurve::EndsView, ClYellow);
    // The program's curves stay as loaded, to be smoothed by whichever page
    // draws them next.
    CopyCurves(plan_, state_.curves, loaded_);
    trailer_ = state_.settings.einstellungen.Field[VehicleTypeField] == 6;
    SetLegend();
    pbLGrafik_->update();
}

void CurveTab::Refresh()
{
    // A diagram left on screen would stand under the new test's headings.
    if (view_ != NoView && pbLGrafik_->isVisible())
        ShowView(view_);
}

void CurveTab::ApplyLanguage()
{
    SetLegend();
}

void CurveTab::SetLegend()
{
    if (view_ == NoView)
        return;
    const int sprache = LimitSprache(state_.settings.Sprache);
    const bool front = view_ == spbuVAHA || view_ == spbuVA;
    const bool rear = view_ != spbuVA;
    for (QWidget* entry : {static_cast<QWidget*>(shVALinks_), static_cast<QWidget*>(laVaLinks_),
                           static_cast<QWidget*>(shVARechts_), static_cast<QWidget*>(laVARechts_)})
        entry->setVisible(front);
    for (QWidget* entry : {static_cast<QWidget*>(shHALinks_), static_cast<QWidget*>(laHALinks_),
                           static_cast<QWidget*>(shHArechts_), static_cast<QWidget*>(laHArechts_)})
        entry->setVisible(rear);
    const bool parking = view_ == spbuFeststell;
    laHALinks_->setText(TextOf(parking ? 189 : 48, sprache));
    laHArechts_->setText(TextOf(parking ? 190 : 50, sprache));
    shpedal_->setVisible(plan_.pedalAxis);
    laPedal_->setVisible(plan_.pedalAxis);
}

void CurveTab::Paint(QPainter& canvas, QSize size)
{
    canvas.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    if (view_ == NoView)
        return;
    CopyCurves(plan_, loaded_, drawn_);
    CurvePlotFrame frame = ScreenCurveFrame(size);
    DrawCurvePlan(canvas, frame, plan_, drawn_, true, ScreenFontScale, trailer_);
}

bool CurveTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pbLGrafik_ && event->type() == QEvent::Paint) {
        QPainter canvas(pbLGrafik_);
        Paint(canvas, pbLGrafik_->size());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zevo
