// A selection's texts read again from the catalogue of another language, by the codes it holds.
#pragma once

class CBaseProduct;
class CStringTable;
class IDatabase;

// After a language switch: the texts a selection took from its catalogue (the descriptions of its
// codes, its model's description, the chosen service, accessory and kit) and from the program's
// strings (the application's caption, the sizing method) read again from the catalogue `to` and
// the string table of the new language, each found by its code; an entry without a code (a fluid,
// a pipe size, a kit type) by its place in the same list of `from`, the catalogue the texts were
// read from (both come from the same sources, in the same order). A text whose code the new
// catalogue does not offer stays as it is. Reads first and writes last: a catalogue error
// (CCatalogueError) leaves the selection as it was. nProdId tells an accumulator sized by its
// application (0) from a gas bottle (1).
void ReadCatalogueTextsAgain(CBaseProduct& selection, int nProdId, IDatabase& from, IDatabase& to,
                             const CStringTable& strings);
