#pragma once
// What the program says about today's facts beside the record: the markers
// beside the main window's fields, the line that counts the changes, the rows
// of the Today window and its copied text, and the sources in the About window.
// The record itself is never touched: these texts only stand beside it.

#include "data/today.h"
#include "viewlogic/fields.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace orbilex::today {

// Today's values of a fact, in the generated table's order: a withdrawn
// country's successors each by their value. Empty: no value today.
QStringList values(int country, TodayField fact);

// Where a fact of today comes from, with the version and date of the source:
// "ISO 4217 through Unicode CLDR 48.2.0 (2026-03-18)".
QString sourceText(TodayField fact);

// The field's name as a screen reader says it: "ISO Currency Code".
QString spokenField(Field field);

// The marker beside a field of the main window. All empty when the field has
// no fact of today, or its fact is the same today or not known.
struct Marker {
    QString text; // "today AFN"
    QString accessibleName; // "ISO Currency Code today: AFN"
    QString toolTip; // the source and its date
};
Marker marker(int country, Field field);

// How many of the country's facts changed since the record, said in one line;
// empty when none did.
int changedCount(int country);
QString summaryText(int country);
// The same line for a count already known.
QString summaryForCount(int changed);

// What became of the country, when it is no longer an entry of its own:
// "split into Serbia and Montenegro (CS withdrawn 2006-09-26)". Empty otherwise.
QString noteText(int country);

// A row of the Today window.
struct FactRow {
    QString field;
    QString record;
    QString today;
    QString source;
    bool changed = false;
};
// Every compared fact in the order of the main window's fields, then the time
// zones (the record's GMT deviation beside today's zone ids, not compared).
std::vector<FactRow> factRows(int country);

// The Today window as labelled text, one line a row, CR LF joined: the country,
// the note, the summary, then "Field: record; today: value (changed); source: ...".
QString copyText(int country);

// One line a source of today's facts: name, version, date and licence.
QStringList sourceLines();

} // namespace orbilex::today
