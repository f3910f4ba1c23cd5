// The pairing scan of the FOR, DO and IF blocks: the opening line of each
// block with its closing line, innermost first (the last opening line before
// the first closing one), each pair handed to its block's translator.
#include "translator.h"

namespace tavolux {

bool Translator::PairBlocks(const BlockMarkers& markers, const BlockTranslator& translate) {
    S.CurrentStatement.clear();
    int pending = 0;
    int k = 1;
    while (k <= NoInput()) {
        const std::string& line = Line(k);
        if (markers.unclaimed.Marks(line)) {
            ReportError(markers.unclaimedMessage);
            return false;
        }
        if (!markers.opening.Marks(line)) {
            ++k;
            continue;
        }
        S.CurrentStatement = line;
        pending = k;
        int elseLine = -1;  // the last ELSE of the pending block; only IF blocks have one
        const int last = NoInput();
        bool paired = false;
        for (int j = k + 1; j <= last; ++j) {
            const std::string& inner = Line(j);
            if (inner == "ELSE") {
                elseLine = j;
            } else if (markers.opening.Marks(inner)) {
                pending = j;
                elseLine = -1;
            } else if (markers.closing.Marks(inner)) {
                const int opening = pending;
                translate(opening, j, elseLine);
                if (S.Flag_Error) return false;
                // A pair left as it stands would be met again: leave it to the last check.
                if (markers.opening.Marks(Line(opening))) return true;
                // An enclosing block is paired anew from its own line.
                if (opening == k) ++k;
                pending = 0;
                paired = true;
                break;
            }
        }
        if (!paired) ++k;
    }
    if (pending != 0) {
        ReportError(markers.unclosedMessage);
        return false;
    }
    return true;
}

}  // namespace tavolux
