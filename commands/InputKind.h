// What render and view are given: a UI file (.ui) or a font (.krf), told by the extension in
// any case.
#pragma once

enum class InputKind { Ui, Font };
