#pragma once
// The program's pages and dialogs: the button, sensor, lighting, macro and
// support pages, the reset warning pop-up and the rename dialog.

#include <functional>
#include <memory>
#include <string>

#include "config/app/VeskPages.h"

class QWidget;

namespace solune {

class SkinLibrary;
struct PageContext;

// The five pages, made in VeskPages::kCreationOrder with their pictures from
// `skin`; the button page reads the macro page's library and the macro page
// updates the button page.
std::unique_ptr<VeskPages> MakeRealPages(const PageContext& context, SkinLibrary& skin);

// The reset warning pop-up; true when the user confirmed.
bool ConfirmResetWithPopUp(const PageContext& context, QWidget* parent);

// The rename dialog of profile `number`; `store` gets the new name on OK.
void RenameWithDialog(int number, const std::u16string& name,
                      const std::function<void(const std::u16string&)>& store, QWidget* parent);

}  // namespace solune
