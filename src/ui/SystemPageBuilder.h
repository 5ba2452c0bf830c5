// Builds the System page from its tables: the six rounded panels in two columns with every
// control named and registered, laid out for the window's design size.
#pragma once

class QWidget;

namespace fenwave {

class ControlRegistry;
class PageBuilder;

// Fills the System sheet. The builder registers what its factories make; the controls it has no
// factory for (text boxes, the backup list, group boxes) are registered in `registry`, the same
// registry the builder writes to.
void BuildSystemPage(PageBuilder& builder, ControlRegistry& registry, QWidget* sheet);

}  // namespace fenwave
