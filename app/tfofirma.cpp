#include "app/tfofirma.h"

#include "app/companyfile.h"
#include "app/errormessage.h"
#include "app/programstate.h"
#include "lang/cp1252.h"
#include "lang/sprachen.h"
#include "ui_tfofirma.h"

#include <QShowEvent>

namespace zevo {

TfoFirma::TfoFirma(ProgramState& state, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TfoFirma>()), state_(state)
{
    ui_->setupUi(this);
    connect(ui_->Button1, &QPushButton::clicked, this, &TfoFirma::Button1Click);
    connect(ui_->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TfoFirma::~TfoFirma() = default;

std::array<QLineEdit*, 8> TfoFirma::Edits() const
{
    return {ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->Edit4, ui_->Edit5, ui_->Edit6, ui_->Edit7, ui_->Edit8};
}

void TfoFirma::ApplyLanguage(int sprache)
{
    setWindowTitle(TextOf(68, sprache));
    for (const auto& [label, id] : {std::pair{ui_->Label1, 69},
                                    {ui_->Label2, 70},
                                    {ui_->Label3, 191},
                                    {ui_->Label4, 71},
                                    {ui_->Label5, 72},
                                    {ui_->Label6, 73},
                                    {ui_->Label7, 74}})
        label->setText(TextOf(id, sprache));
    ui_->Button1->setText(TextOf(75, sprache));
    ui_->Button2->setText(TextOf(76, sprache));
}

void TfoFirma::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TfoFirma::FormShow()
{
    const auto edits = Edits();
    for (int line = 0; line < CompanyLineCount; ++line)
        edits[line]->setText(FromCp1252(state_.report.LineA(line)));
    edits[0]->setFocus();
}

void TfoFirma::Button1Click()
{
    const auto edits = Edits();
    for (int line = 0; line < CompanyLineCount; ++line)
        state_.report.SetLineA(line, ToCp1252(edits[line]->text()).left(CompanyLineMaxChars));
    // The report prints the new address from now on; the file keeps it for the
    // next run. When the file cannot be written the window stays open, so the
    // user can try again.
    if (const QString error = SaveCompanyFile(state_); !error.isEmpty()) {
        ShowErrorMessage(this, error);
        return;
    }
    accept();
}

} // namespace zevo
