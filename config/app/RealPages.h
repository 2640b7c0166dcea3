#pragma once
// The program's pages and dialogs: the button, sensor, lighting, macro and
// support pages, the reset warning pop-up and the rename dialog.

#include <functional>
#include <memory>
#include <string>

#include "config/app/VeskPages.h"

class QWidget;

namespace solune {

struct PageContext;

// The five pages, made in VeskPages::kCreationOrder; the button page reads
// the context's macro directory and the macro page shows the context's
// library.
std::unique_ptr<VeskPages> MakeRealPages(const PageContext& context);

// The reset warning pop-up; true when the user confirmed.
bool ConfirmResetWithPopUp(const PageContext& context, QWidget* parent);

// The rename dialog of profile `number`; `store` gets the new name on OK.
void RenameWithDialog(int number, const std::function<void(const std::u16string&)>& store,
                      const PageContext& context, QWidget* parent);

}  // namespace solune
