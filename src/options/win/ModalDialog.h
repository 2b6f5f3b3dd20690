// The options windows' names for the shared dialog base and its control helpers.
#pragma once

#include "win/DialogItems.h"
#include "win/ModalDialog.h"

namespace quen::options::win {

using quen::win::IsChecked;
using quen::win::ItemText;
using quen::win::ModalDialog;
using quen::win::SetChecked;
using quen::win::SetItemText;
using quen::win::ShowItem;
using quen::win::WindowText;

}  // namespace quen::options::win
