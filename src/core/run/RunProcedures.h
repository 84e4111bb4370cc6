#pragma once

#include "core/ErrorReport.h"

namespace core::procedures {

// The run's procedures, as the error box names them.
inline constexpr Procedure GetLookup{"frmMain", "Function", "GetLookup"};
inline constexpr Procedure GetIDs{"frmMain", "Function", "GetIDs"};
inline constexpr Procedure Fill_Listview{"frmMain", "Function", "Fill_Listview"};
inline constexpr Procedure FormatData{"frmMain", "Function", "FormatData"};
inline constexpr Procedure Create_Database{"Module1", "Sub", "Create_Database"};

} // namespace core::procedures
