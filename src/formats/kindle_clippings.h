#pragma once

#include "quote_import.h"

#include <QString>

// The clippings file of a Kindle reader ("My Clippings.txt"): entries separated by lines of ten
// "=", each the book's line "Title (Author)", a line saying what the clipping is and where
// ("- Your Highlight on page 12 | Location 170-172 | Added on ...", in the reader's own
// language), an empty line and the clipping itself. Each entry may begin with a byte-order mark.
//
// Highlights are the quotations: the author from the book's line, the book's title as the note.
// A note the reader typed is joined to the note of the highlight of the same book at its
// location; bookmarks, and notes that belong to no highlight, are reported and left out. A
// highlight made longer later is a second clipping holding the first: the longer one is kept.
// The notice "<You have reached the clipping limit for this item>" is reported, not imported.
// Authors are often written "Last, First": one the database has as "First Last" is taken.
namespace kindle_clippings {

// True when the text looks like a clippings file (its first entry ends with the separator line).
bool looks_like(const QString& text);

quote_import::Records read(const QString& text);

}  // namespace kindle_clippings
