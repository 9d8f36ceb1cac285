#include <vanui/uiValueText.h>

#include <cstdio>

uiValueText::uiValueText(void* variable, int type) : boundVariable(variable), valueType(type) {
    SetDefaultFormat(type);
    Refresh();
}

void uiValueText::BindVariable(void* variable, int type) {
    text.clear();
    boundVariable = variable;
    valueType = type;
    SetDefaultFormat(type);
    Refresh();
}

void uiValueText::BindLike(const uiValueText& other) {
    BindVariable(other.boundVariable, other.valueType);
}

void uiValueText::BindInt(int32_t* variable) {
    BindVariable(variable, UIVALT_INT);
}

void uiValueText::BindReal(float* variable) {
    BindVariable(variable, UIVALT_REAL);
}

void uiValueText::UnbindVariable() {
    boundVariable = nullptr;
    valueType = UIVALT_NONE;
    text.clear();
}

void uiValueText::SetFormat(const std::string& newFormat) {
    format = newFormat;
    Refresh();
}

void uiValueText::SetDefaultFormat(int type) {
    switch (type) {
    case UIVALT_INT:
        format = "%d";
        break;
    case UIVALT_REAL:
        format = "%f";
        break;
    case UIVALT_STRING:
        format = "%s";
        break;
    default:
        format.clear();
        break;
    }
}

// snprintf cuts a result longer than its buffer, so a long format or a large real shows
// only its first characters.
void uiValueText::Refresh() {
    if (boundVariable == nullptr) {
        return;
    }
    if (valueType == UIVALT_INT) {
        char buffer[INT_BUFFER_SIZE];
        std::snprintf(buffer, sizeof buffer, format.c_str(), *static_cast<const int32_t*>(boundVariable));
        text = buffer;
    } else if (valueType == UIVALT_REAL) {
        char buffer[REAL_BUFFER_SIZE];
        std::snprintf(buffer, sizeof buffer, format.c_str(),
                      static_cast<double>(*static_cast<const float*>(boundVariable)));
        text = buffer;
    }
}
