#pragma once

// The look of the history's choice boxes, the learning curve's figure and the
// exercise the list is narrowed to: light text on the dark blue of the list.
constexpr auto kChoiceStyle = "QComboBox {font-size: 13pt; min-height: 40px; padding-left: 8px; color: white;"
                              " background: rgb(20, 35, 60); border: 1px solid rgb(120, 140, 160);}"
                              "QComboBox QAbstractItemView {color: white; background: rgb(20, 35, 60);"
                              " selection-background-color: rgb(50, 100, 170);}";
