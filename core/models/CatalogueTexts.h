// A selection's texts read again from the catalogue of another language, by the codes it holds.
#pragma once

#include <string>

class CBaseProduct;
class CStringTable;
class IDatabase;
struct SLoadedSelection;

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

// The product's type and description as the catalogue's "Choose Product" list gives them, found
// by its id; false (and the texts unchanged) when the catalogue lists no such product.
bool ReadProductTexts(IDatabase& db, int nProdId, std::string& strProdType, std::string& strProdDescription);

// A selection read from a file saved in another language than that of `catalogue`: its texts and
// the product's type and description in its header read again in the language of `catalogue`,
// through the catalogue of the file's language beside it (base name strBaseName) when that is
// installed, else from `catalogue` alone (texts found by their codes still follow). Nothing when
// the languages agree; a catalogue that cannot say leaves the texts as they were.
void ReadLoadedTextsAgain(SLoadedSelection& loaded, IDatabase& catalogue, const std::string& strBaseName);
