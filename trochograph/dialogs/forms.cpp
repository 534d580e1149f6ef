#include "dialogs/forms.h"

#include "dialogs/choose_k_form.h"
#include "dialogs/colors_form.h"
#include "dialogs/ellipse_options_form.h"
#include "dialogs/help_pages.h"
#include "dialogs/image_type_form.h"
#include "dialogs/parameters_form.h"

namespace trochograph {

std::unique_ptr<Form> makeForm(int dialog, const CurveParameters& parameters)
{
    switch (dialog) {
    case dialogImageType: return std::make_unique<ImageTypeForm>(parameters);
    case dialogEllipseOptions: return std::make_unique<EllipseOptionsForm>(parameters);
    case dialogChooseK: return std::make_unique<ChooseKForm>(parameters);
    case dialogParameters: return std::make_unique<ParametersForm>(parameters);
    case dialogColors: return std::make_unique<ColorsForm>(parameters);
    case dialogHelpPage1: return std::make_unique<PageForm>(helpPage1, true);
    case dialogHelpPage2: return std::make_unique<PageForm>(helpPage2, true);
    case dialogFormulae: return std::make_unique<PageForm>(formulaPage, false);
    default: return nullptr;
    }
}

}  // namespace trochograph
