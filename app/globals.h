#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "app/guarded.h"
#include "app/text.h"
#include "app/values.h"

namespace om {

// The record kept in GlobalRecord: seven texts.
struct GlobalRecordFields {
  Text field1;
  Text field2;
  Text field3;
  Text field4;
  Text field5;
  Text field6;
  Text field7;
};

using TextList = ValueArray<Text>;

// The program's global variables, in declaration order. Each sits behind its own lock, since
// background tasks and the window thread share them. A list or record without a block (before
// InitGlobals, after ReleaseGlobals) reads as empty: a null array, an absent record.
extern Guarded<Text> GlobalValue1;
extern Guarded<Text> GlobalValue2;
extern Guarded<Text> GlobalValue3;
extern Guarded<TextList> GlobalList1;
extern Guarded<std::optional<GlobalRecordFields>> GlobalRecord;
extern Guarded<TextList> GlobalList2;
extern Guarded<int32_t> GlobalNumber1;
extern Guarded<ValueArray<int32_t>> TaskHandles;
extern Guarded<int32_t> GlobalNumber2;
extern Guarded<Text> GlobalValue4;
extern Guarded<TextList> GlobalList3;
extern Guarded<TextList> GlobalList4;
extern Guarded<Text> GlobalValue5;

// Creates GlobalList1, GlobalRecord, GlobalList2, TaskHandles (two handles, both 0),
// GlobalList3 and GlobalList4, in this order; the other seven start empty or 0.
void InitGlobals();

// Releases the globals in declaration order: each non-empty text, each list's non-empty
// elements and then the list block, the record's non-empty fields and then the record block,
// the TaskHandles block (its handles are not closed). The two numbers own nothing. A released
// global reads as empty afterwards, so a late background task finds nothing rather than
// freed memory.
void ReleaseGlobals();

// Observes every block ReleaseGlobals releases, by a short name ("GlobalList1",
// "GlobalList1[2]", "GlobalRecord.field3", ...). For tests and diagnostics.
using BlockReleaseHook = std::function<void(std::string_view block)>;
void SetBlockReleaseHook(BlockReleaseHook hook);

// Element `position` of TaskHandles (fatal code 1 when there is no such element).
int32_t TaskHandleAt(int32_t position);
// Stores a handle in element `position` (fatal code 1 when there is no such element) and
// returns the handle it replaces.
int32_t ExchangeTaskHandle(int32_t position, int32_t handle);

}  // namespace om
