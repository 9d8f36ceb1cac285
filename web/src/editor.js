// The editor of the UI file: CodeMirror 6 with line numbers, the UI language's colours, undo,
// and the load's problems marked at their lines in the gutter.
import { defaultKeymap, history, historyKeymap, indentWithTab } from '@codemirror/commands';
import { bracketMatching, defaultHighlightStyle, syntaxHighlighting } from '@codemirror/language';
import { lintGutter, setDiagnostics } from '@codemirror/lint';
import { EditorState, Transaction } from '@codemirror/state';
import {
    EditorView,
    drawSelection,
    highlightActiveLine,
    highlightActiveLineGutter,
    keymap,
    lineNumbers,
} from '@codemirror/view';
import { uiLanguage } from './uiLanguage.js';

export class Editor {
    // onEdit runs after every change of the text the user makes.
    constructor(parent, onEdit) {
        this.view = new EditorView({
            parent,
            state: EditorState.create({
                extensions: [
                    lineNumbers(),
                    highlightActiveLineGutter(),
                    lintGutter(),
                    history(),
                    drawSelection(),
                    highlightActiveLine(),
                    bracketMatching(),
                    uiLanguage,
                    syntaxHighlighting(defaultHighlightStyle),
                    keymap.of([...defaultKeymap, ...historyKeymap, indentWithTab]),
                    // Dropped files are the page's (fonts), never text to insert.
                    EditorView.domEventHandlers({ drop: (event) => event.dataTransfer.files.length > 0 }),
                    EditorView.updateListener.of((update) => {
                        const edited = (t) => t.docChanged && t.annotation(Transaction.userEvent) !== undefined;
                        if (update.transactions.some(edited)) {
                            onEdit();
                        }
                    }),
                ],
            }),
        });
    }

    get text() {
        return this.view.state.doc.toString();
    }

    // Replaces the whole text, as opening another file does: no edit is reported.
    setText(text) {
        this.view.dispatch({ changes: { from: 0, to: this.view.state.doc.length, insert: text } });
    }

    // Marks each problem that names a line ({line, severity, message}) at that line.
    markProblems(problems) {
        const doc = this.view.state.doc;
        const diagnostics = problems
            .filter((problem) => problem.line > 0)
            .map((problem) => {
                const line = doc.line(Math.min(problem.line, doc.lines));
                return { from: line.from, to: line.to, severity: problem.severity, message: problem.message };
            });
        this.view.dispatch(setDiagnostics(this.view.state, diagnostics));
    }

    goToLine(number) {
        const doc = this.view.state.doc;
        const line = doc.line(Math.max(1, Math.min(number, doc.lines)));
        this.view.dispatch({ selection: { anchor: line.from }, scrollIntoView: true });
        this.view.focus();
    }
}
