// Unpacks the package archive below the user's application folder, one
// progress report per entry.
#ifndef TIDEWELL_EXTRACTOR_H
#define TIDEWELL_EXTRACTOR_H

#include <cstdint>

#include "ustring.h"

struct archive;

class Extractor {
public:
    Extractor();
    ~Extractor();

    void SetSource(const ustring &source);
    void SetTarget(const ustring &target);

    // Number of entries, or -1. Stops silently at the first damaged header.
    int Count();
    // Writes every entry path to standard output; 0 or -1.
    int List();
    // Writes every entry below the target folder; 0 or -1.
    int Extract();

private:
    int copy_data(struct archive *ar, struct archive *aw);

    ustring target;
    ustring source;
};

// A progress pair as the dialog receives it. The dialog computes
// done * 100 / total in int, so huge counts are scaled down to keep that in
// range; done is kept within [0, total] and total is at least 1.
struct ExtractProgress {
    int total;
    int done;
};
ExtractProgress ScaleProgress(int64_t total, int64_t done);

#endif
