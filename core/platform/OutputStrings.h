// String table ids of the texts about the files the program writes and reads back: the one
// writer, the order pad's order and inbox, and the CAD files. "%1", "%2" stand for the arguments.
#pragma once

namespace outtext
{
// Why a file cannot be written (no final stop: the caller adds one), and refused outputs.
inline constexpr int kReadOnly = 71000;
inline constexpr int kIsFolder = 71001;
inline constexpr int kNotWritableKind = 71002;
inline constexpr int kNoReader = 71003;
inline constexpr int kNotWritten = 71004;      // file, reason
inline constexpr int kOutputIsInput = 71005;   // file
inline constexpr int kSameOutputTwice = 71006; // file
inline constexpr int kBadSourceDateEpoch = 71007; // the value

// The order pad's saved order.
inline constexpr int kOrderDamaged = 71010;       // file, reason
inline constexpr int kOrderDamagedKept = 71011;   // the name it was kept under
inline constexpr int kOrderDamagedLocked = 71012; // file, reason
inline constexpr int kOrderUnreadable = 71013;    // file, reason
inline constexpr int kOrderLargerThanAny = 71014; // MiB
inline constexpr int kOrderTooLarge = 71015;      // MiB
inline constexpr int kOrderNotSaved = 71016;      // reason

// Transfer documents: why one is not taken in.
inline constexpr int kDocumentNoLine = 71020;
inline constexpr int kDocumentNoPartNumber = 71021; // storage
inline constexpr int kDocumentBadQuantity = 71022;  // storage, quantity
inline constexpr int kDocumentTooLarge = 71023;     // MiB

// CAD drawings: a text the file's code page cannot hold.
inline constexpr int kCadTextUnfitDxf = 71030;  // text
inline constexpr int kCadTextUnfitHpgl = 71031; // text
} // namespace outtext
