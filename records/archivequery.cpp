#include "records/archivequery.h"

namespace zevo {

KeyedSelect ArchiveList()
{
    // Counting and passing over archived tests takes the index on
    // (Bearbeitet, Id, Kennzeichen) and the vehicles' key alone; only the
    // rows shown read their tests.
    return {QStringLiteral("The test archive"),
            QStringLiteral("Messungen.Id AS id, Messungen.Kennzeichen AS Kennzeichen, Messungen.Datum AS Datum,"
                           " Messungen.Uhrzeit AS Uhrzeit, Messungen.AuftragsNr AS AuftragsNr, Messungen.Km AS km,"
                           " Messungen.HU AS hu, Messungen.AU AS au, Kfz.Name AS Name, Kfz.Vorname AS Vorname"),
            QStringLiteral("Kfz INNER JOIN Messungen ON Kfz.Kennzeichen = Messungen.Kennzeichen"),
            QStringLiteral("Messungen.Bearbeitet = 'j'"),
            {{QStringLiteral("Messungen.Id"), 0}},
            {}};
}

KeyedSelect ArchiveSearch(const QString& kennzeichen)
{
    // One registration's tests come from the index on (Kennzeichen, Bearbeitet).
    KeyedSelect search = ArchiveList();
    search.where += QStringLiteral(" AND Kfz.Kennzeichen = ?");
    search.values << kennzeichen;
    return search;
}

} // namespace zevo
