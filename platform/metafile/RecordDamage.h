#pragma once

#include "platform/ByteReader.h"
#include "platform/metafile/PlayLimits.h"

namespace platform::metafile {

// The one rule of both players for a damaged record: one whose contents
// point outside it, name what is not there or are cut short loses only
// itself. Its size was checked against the file before it played, so the
// stream stays in step and the rest of the picture is sound. A spent limit
// still fails the whole file.
template <typename Play>
void playOrSkipDamaged(Play &&play)
{
    try {
        play();
    } catch (const LimitError &) {
        throw;
    } catch (const MetafileError &) {
    } catch (const DataCutShort &) {
    }
}

} // namespace platform::metafile
