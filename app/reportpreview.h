#pragma once
// The tab "Test Numerisch": the report page on screen at paper size, as it
// will be printed (pbVorschau), scrolled by sbVorschau in steps of 20 pixels.
// The page is drawn anew on every paint, for the printer chosen at that time.

#include <QWidget>
#include <functional>

class QScrollBar;

namespace zevo {

class TfoHPrint;
struct PrinterPage;

// The paint box: as large as the printed page at 96 px per inch, inside a
// viewport that cuts it to the tab.
class PreviewBox : public QWidget {
    Q_OBJECT
  public:
    PreviewBox(TfoHPrint& renderer, std::function<PrinterPage()> printerPage, QWidget* parent);
    void SetScrollOffset(int pixels);
    int ScrollOffset() const { return scrollOffset_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TfoHPrint& renderer_;
    std::function<PrinterPage()> printerPage_;
    int scrollOffset_ = 0;
};

class ReportPreview : public QWidget {
    Q_OBJECT
  public:
    ReportPreview(TfoHPrint& renderer, std::function<PrinterPage()> printerPage, QWidget* parent);

    // TabSheet2Show: the page is drawn for the test on display.
    void TabSheet2Show();
    PreviewBox* pbVorschau() const { return box_; }
    QScrollBar* sbVorschau() const { return scrollBar_; }

  private:
    void sbVorschauChange(int position);

    PreviewBox* box_;
    QScrollBar* scrollBar_;
};

}  // namespace zevo
