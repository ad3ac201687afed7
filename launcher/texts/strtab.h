// The user-interface texts of the client, by string id, translated on demand.
#ifndef TIDEWELL_LAUNCHER_TEXTS_STRTAB_H
#define TIDEWELL_LAUNCHER_TEXTS_STRTAB_H

#include <QString>

class StrTable {
public:
    static constexpr int NUM_STRING_IDS = 170;

    // The ids the launcher shows.
    static constexpr int ID_PRODUCT_NAME = 3; // "Tidewell Backup": the dialog's title
    static constexpr int ID_INITIALIZING =
        44;                              // "Tidewell Backup is initializing...": the dialog's first label
    static constexpr int ID_READY = 160; // "Tidewell Backup is ready.": the label once the copy is in place

    // English source texts and keys, indexed by string id; null until InitStrTable.
    static const char *stab[NUM_STRING_IDS];
    static const char *ktab[NUM_STRING_IDS];

    // Fills both arrays with pointers to literals; repeating it stores the same pointers.
    static void InitStrTable();
    // The text of `id` in the installed translator's language ("\n" and "\t" in a translation
    // become a line feed and a tab); empty for an id outside the table or before InitStrTable.
    static QString LoadStr(int id);
    // The first id whose key equals `strKey` regardless of ASCII case, or -1.
    static int LookupStrID(const QString &strKey);

    StrTable() = delete;
};

#endif
