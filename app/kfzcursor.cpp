#include "app/kfzcursor.h"

#include "records/database.h"
#include "records/fieldtext.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <QSqlTableModel>

namespace zevo {

namespace {

constexpr const char* KfzTable = "Kfz";
const QString NoRow = QStringLiteral("0 = 1");

} // namespace

KfzCursor::KfzCursor(const QSqlDatabase& db, QObject* parent)
    : QObject(parent), db_(db), model_(new QSqlTableModel(this, db))
{
    model_->setEditStrategy(QSqlTableModel::OnManualSubmit);
    // The table is set at once so that the forms can bind their edits to its fields.
    Clear();
}

void KfzCursor::BindTable()
{
    // Until a database server that was away at start answers, the table has no fields to bind.
    if (model_->record().isEmpty())
        model_->setTable(ModelTableName(db_, KfzTable));
}

QString KfzCursor::Post()
{
    if (!model_->isDirty())
        return {};
    if (!model_->submitAll())
        return ErrorText(QStringLiteral("The changes to the vehicle \"%1\" cannot be stored").arg(kennzeichen_),
                         model_->lastError());
    return {};
}

QString KfzCursor::MoveTo(const QString& kennzeichen)
{
    if (kennzeichen.isEmpty())
        return Clear();
    // Every move posts the pending edit of the vehicle it leaves.
    if (QString error = Post(); !error.isEmpty())
        return error;
    BindTable();
    // A table model filters by SQL text; the driver quotes the registration
    // as a literal, so a quote inside it stays part of the value.
    QSqlField field(QStringLiteral("Kennzeichen"), QMetaType(QMetaType::QString));
    field.setValue(kennzeichen);
    model_->setFilter(QStringLiteral("Kennzeichen = ") + db_.driver()->formatValue(field));
    kennzeichen_ = kennzeichen;
    if (!model_->select())
        return ErrorText(QStringLiteral("The vehicle \"%1\" cannot be read").arg(kennzeichen), model_->lastError());
    return {};
}

QString KfzCursor::Clear()
{
    const QString error = Post();
    kennzeichen_.clear();
    BindTable();
    model_->setFilter(NoRow);
    model_->select();
    return error;
}

QString KfzCursor::Close()
{
    const QString error = Post();
    kennzeichen_.clear();
    model_->clear();
    return error;
}

bool KfzCursor::HasRow() const
{
    return model_->rowCount() > 0;
}

} // namespace zevo
