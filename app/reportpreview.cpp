#include "app/reportpreview.h"

#include "report/hprint.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QScrollBar>

namespace zevo {

namespace {
constexpr int ScrollStep = 20;  // screen pixels per scroll-bar position
}

PreviewBox::PreviewBox(TfoHPrint& renderer, std::function<PrinterPage()> printerPage, QWidget* parent)
    : QWidget(parent), renderer_(renderer), printerPage_(std::move(printerPage))
{
    setObjectName(QStringLiteral("pbVorschau"));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(TfoHPrint::PreviewSize(printerPage_()));
}

void PreviewBox::SetScrollOffset(int pixels)
{
    scrollOffset_ = pixels;
    update();
}

void PreviewBox::paintEvent(QPaintEvent*)
{
    const PrinterPage page = printerPage_();
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    renderer_.RenderPage(painter, page, true, scrollOffset_, 1);
    // The box is as large as the pages drawn, for this printer's page size.
    const QSize wanted = TfoHPrint::PreviewSize(page, renderer_.Pages);
    if (size() != wanted)
        resize(wanted);
}

ReportPreview::ReportPreview(TfoHPrint& renderer, std::function<PrinterPage()> printerPage, QWidget* parent)
    : QWidget(parent)
{
    // The viewport cuts the page to the tab; the page itself scrolls by being
    // drawn higher, so the box always starts at the viewport's top.
    auto* viewport = new QWidget(this);
    viewport->setObjectName(QStringLiteral("previewViewport"));
    viewport->setAutoFillBackground(true);
    QPalette palette = viewport->palette();
    palette.setColor(QPalette::Window, QColor(0xa0, 0xa0, 0xa0));
    viewport->setPalette(palette);
    box_ = new PreviewBox(renderer, std::move(printerPage), viewport);
    box_->move(0, 0);

    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QStringLiteral("sbVorschau"));
    scrollBar_->setRange(0, 100);
    scrollBar_->setPageStep(1);
    scrollBar_->setSingleStep(1);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &ReportPreview::sbVorschauChange);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(viewport, 1);
    layout->addWidget(scrollBar_);
}

void ReportPreview::TabSheet2Show() { box_->update(); }

void ReportPreview::sbVorschauChange(int position) { box_->SetScrollOffset(position * ScrollStep); }

}  // namespace zevo
