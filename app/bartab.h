#pragma once
// The tab "Balken Grafik": the bars of the test on display. Three groups
// (front axle, rear axle, parking brake) of fixed shapes on the tab: a white
// frame per bar, the bar in it sized to the value, and above each a read-out
// in red seven-segment digits. The scales are painted into the paint box
// pbbGrafik behind the shapes; each of its paints sets the shapes anew from
// the result model, so the tab always shows the test decoded last.

#include "graphics/bargraphics.h"

#include <QColor>
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPainter;

namespace zevo {

struct LimitChoice;
struct ProgramState;

// A rectangle of the form, like the shapes of the tab: a black outline
// filled with its brush colour.
class BarShape : public QWidget {
    Q_OBJECT
  public:
    BarShape(const char* name, const QColor& brush, QWidget* parent);
    void SetBrushColour(const QColor& colour);
    QColor BrushColour() const { return brush_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor brush_;
};

class BarTab : public QWidget {
    Q_OBJECT
  public:
    // Covers `page` (TabSheet4) whole, beneath the page's own heading labels.
    BarTab(const ProgramState& state, QWidget* page);

    // A test was shown or decoded again: the bars follow at the next paint.
    void Refresh();
    QWidget* pbbGrafik() const { return paintBox_; }

    // The paint handler of pbbGrafik: the scales, then the shapes.
    void bubgrafikClick(QPainter& canvas);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Group {
        QLineEdit* edLeft;
        QLineEdit* edDiff;
        QLineEdit* edRight;
        BarShape* left;
        BarShape* diff;
        BarShape* right;
        BarShape* leftMax;
        BarShape* diffMax;
        BarShape* rightMax;
    };

    void BuildGroup(int group, int x);
    LimitChoice Limits() const;
    BarScale DrawBarScreenScale(QPainter& canvas, double maximum, std::initializer_list<const BarShape*> frames);
    void DrawPercentScreenScale(QPainter& canvas);
    void UpdateBarShapes();

    const ProgramState& state_;
    QWidget* paintBox_;
    std::array<Group, BarGroupCount> groups_{};
    // The scales of the last paint: front and rear axle, parking brake, differences.
    BarScale axleScale_, parkingScale_, percentScale_;
};

} // namespace zevo
