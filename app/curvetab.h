#pragma once
// The tab "Kurven Grafik": the brake-force curves of the test on display in
// the paint box pbLGrafik, in one of four views chosen with the speed buttons
// spbuVAHA (service brake, both axles), spbuFeststell (parking brake), spbuVA
// and spbuHA (one axle with its pedal force), and the legend below them.
//
// A view decodes the test again and keeps the samples of the curves it shows
// as loaded; the box draws them on every paint, so the diagram survives being
// covered or resized. Each paint smooths a fresh copy of those samples once,
// so the curves look the same on every paint and are never smoothed twice.

#include "graphics/curvedata.h"
#include "graphics/curveviews.h"

#include <QObject>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QPainter;

namespace zevo {

struct ProgramState;

class CurveTab : public QObject {
    Q_OBJECT
  public:
    enum View { NoView = 0, spbuVAHA = 1, spbuFeststell = 2, spbuVA = 3, spbuHA = 4 };

    // page: Tabsheet3 with the paint box, the buttons and the legend.
    // decodeAgain decodes the test on display into `state` again (and tells
    // the user what went wrong).
    CurveTab(ProgramState& state, QWidget& page, std::function<void()> decodeAgain, QObject* parent = nullptr);

    // Tabsheet3Show: the tab comes up with the service-brake view of both axles.
    void Tabsheet3Show();
    // The click handlers of the four buttons (spbuVAHAClick, …).
    void ShowView(View view);
    View CurrentView() const { return view_; }

    // Another test is on display: a view on screen is drawn for it.
    void Refresh();

    // The language changed: the legend captions of the view shown follow.
    void ApplyLanguage();

    // Paints the view shown onto a canvas of that size (pbLGrafik's paint).
    void Paint(QPainter& canvas, QSize size);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetLegend();

    ProgramState& state_;
    std::function<void()> decodeAgain_;
    QWidget* pbLGrafik_;
    QButtonGroup* buttons_;
    QWidget *shVALinks_, *shVARechts_, *shHALinks_, *shHArechts_, *shpedal_;
    QLabel *laVaLinks_, *laVARechts_, *laHALinks_, *laHArechts_, *laPedal_;

    View view_ = NoView;
    CurvePlan plan_;       // what the view draws, with the scales of its decode
    CurveData loaded_;     // the samples of the view's curves, as loaded
    CurveData drawn_;      // the copy a paint smooths
    bool trailer_ = false; // pedal labels × 4
};

} // namespace zevo
