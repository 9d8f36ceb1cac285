" DREV's UI files: comments, strings with their escapes, numbers, section types, true and false.
if exists('b:current_syntax')
  finish
endif

syntax match drevComment "#.*$"
syntax region drevString start=+"+ skip=+\\\\\|\\"+ end=+"+ contains=drevEscape
syntax match drevEscape +\\[n\\"]+ contained
syntax match drevNumber "-\?\<\d\+\(\.\d*\)\?\([eE][-+]\?\d*\)\?\>"
syntax keyword drevSection uiFontTable uiColorTable uiWindow uiBevel uiLabel uiButton
syntax keyword drevBoolean true false
syntax match drevBracket "[{}\[\]]"

highlight default link drevComment Comment
highlight default link drevString String
highlight default link drevEscape SpecialChar
highlight default link drevNumber Number
highlight default link drevSection Statement
highlight default link drevBoolean Boolean
highlight default link drevBracket Delimiter

let b:current_syntax = 'drevui'
