// drev check's problem lines ("FILE:LINE: error: MESSAGE", "FILE: error: MESSAGE",
// "FILE: warning: MESSAGE") and the list that shows them, one item per line as printed.
const PROBLEM_LINE = /^(.*?)(?::(\d+))?: (error|warning): (.*)$/s;

// {text, line (0 when none), severity ("error" or "warning"), message}
export function parseProblem(text) {
    const parts = PROBLEM_LINE.exec(text);
    if (!parts) {
        return { text, line: 0, severity: 'error', message: text };
    }
    return { text, line: parts[2] ? Number(parts[2]) : 0, severity: parts[3], message: parts[4] };
}

// Fills the list; choosing an item that names a line calls onPick with the line's number.
export function showProblems(list, problems, onPick) {
    list.replaceChildren(
        ...problems.map((problem) => {
            const item = document.createElement('li');
            item.textContent = problem.text;
            item.className = problem.severity;
            if (problem.line > 0) {
                item.tabIndex = 0;
                item.title = `Go to line ${problem.line}`;
                item.addEventListener('click', () => onPick(problem.line));
                item.addEventListener('keydown', (event) => event.key === 'Enter' && onPick(problem.line));
            }
            return item;
        }),
    );
}
