// The page agent. The program injects it into every frame of every page when the document is
// created, in an isolated script world: the page's scripts share the DOM with it but never see
// its variables, and it hands them nothing. It is the program's only way into a page.
//
// The program talks to the agent of the top-level frame: it runs calls in that world and hears
// answers and frame events through a web channel that exists in that world only. Agents of the
// frames below answer the top-level agent directly when their origin allows it; agents of
// frames of another origin open a private MessageChannel to it. Opening one proves to both
// sides that the other knows the secret all agents of this run share, without ever sending it,
// so a page that watches or forges these messages learns and gains nothing.
//
// The program appends the arguments: the shared secret and the QWebChannel class.
(function (secret, QWebChannel) {
    'use strict';

    // The one name the agent defines, on the window of its isolated world.
    const NAMESPACE = 'kestrelPageAgent';
    // The program's object on the web channel.
    const BRIDGE = 'pageAgentBridge';
    // Key of the messages agents post to other frames' windows.
    const MESSAGE_KEY = 'kestrel-page-agent';
    // How long the top-level agent waits for frames to confirm their reports, and how long an
    // agent waits for an edit the engine was asked to make.
    const FLUSH_WAIT_MS = 300;
    const EDIT_WAIT_MS = 300;
    // How long an offered channel may stay unanswered.
    const HANDSHAKE_WAIT_MS = 2000;

    const ownDocument = document;
    const isTop = window === window.top;
    const documentId = randomId();

    function randomId() {
        return Array.from(crypto.getRandomValues(new Uint8Array(16)),
                          (b) => b.toString(16).padStart(2, '0')).join('');
    }

    // An agent stays bound to the document it was made for, even if the window outlives it.
    function current() {
        return window.document === ownDocument;
    }

    function rotateRight(x, n) {
        return (x >>> n) | (x << (32 - n));
    }

    function firstPrimes(count) {
        const primes = [];
        for (let n = 2; primes.length < count; n++) {
            if (primes.every((p) => n % p !== 0))
                primes.push(n);
        }
        return primes;
    }

    const fraction32 = (x) => ((x % 1) * 4294967296) | 0;
    const SHA_INITIAL = firstPrimes(8).map((p) => fraction32(Math.sqrt(p)));
    const SHA_ROUND = firstPrimes(64).map((p) => fraction32(Math.cbrt(p)));

    // SHA-256 of the UTF-8 text, in hex: the proofs of the frame handshake.
    function digest(text) {
        const bytes = new TextEncoder().encode(String(text));
        const blocks = new Uint8Array(Math.ceil((bytes.length + 9) / 64) * 64);
        blocks.set(bytes);
        blocks[bytes.length] = 0x80;
        const view = new DataView(blocks.buffer);
        view.setUint32(blocks.length - 8, Math.floor(bytes.length / 0x20000000));
        view.setUint32(blocks.length - 4, (bytes.length * 8) >>> 0);
        const hash = SHA_INITIAL.slice();
        const w = new Int32Array(64);
        for (let offset = 0; offset < blocks.length; offset += 64) {
            for (let i = 0; i < 16; i++)
                w[i] = view.getInt32(offset + i * 4);
            for (let i = 16; i < 64; i++) {
                const s0 = rotateRight(w[i - 15], 7) ^ rotateRight(w[i - 15], 18) ^ (w[i - 15] >>> 3);
                const s1 = rotateRight(w[i - 2], 17) ^ rotateRight(w[i - 2], 19) ^ (w[i - 2] >>> 10);
                w[i] = (w[i - 16] + s0 + w[i - 7] + s1) | 0;
            }
            let [a, b, c, d, e, f, g, h] = hash;
            for (let i = 0; i < 64; i++) {
                const s1 = rotateRight(e, 6) ^ rotateRight(e, 11) ^ rotateRight(e, 25);
                const t1 = (h + s1 + ((e & f) ^ (~e & g)) + SHA_ROUND[i] + w[i]) | 0;
                const s0 = rotateRight(a, 2) ^ rotateRight(a, 13) ^ rotateRight(a, 22);
                const t2 = (s0 + ((a & b) ^ (a & c) ^ (b & c))) | 0;
                h = g; g = f; f = e; e = (d + t1) | 0;
                d = c; c = b; b = a; a = (t1 + t2) | 0;
            }
            [a, b, c, d, e, f, g, h].forEach((value, i) => { hash[i] = (hash[i] + value) | 0; });
        }
        return hash.map((x) => (x >>> 0).toString(16).padStart(8, '0')).join('');
    }

    function proof(...parts) {
        return digest([secret, ...parts].join('|'));
    }

    // Elements are named by handles "frame:document:element"; the number of an element stays
    // the same for as long as the element lives.
    const elements = new Map();
    const elementIds = new WeakMap();
    let lastElementId = 0;
    let sweepAt = 256;

    function elementRef(element, frame) {
        if (!(element instanceof Element))
            return null;
        let id = elementIds.get(element);
        if (!id) {
            id = ++lastElementId;
            elementIds.set(element, id);
            elements.set(id, new WeakRef(element));
            forgetCollected();
        }
        return {key: frame + ':' + documentId + ':' + id, tag: element.tagName.toUpperCase()};
    }

    function forgetCollected() {
        if (elements.size < sweepAt)
            return;
        for (const [id, ref] of elements) {
            if (!ref.deref())
                elements.delete(id);
        }
        sweepAt = Math.max(256, elements.size * 2);
    }

    function fail(reason) {
        throw new Error(reason);
    }

    const FORM_CONTROLS = new Set(['INPUT', 'TEXTAREA', 'SELECT', 'BUTTON']);

    function tagOf(element) {
        return element.tagName.toUpperCase();
    }

    function isFormControl(element) {
        return FORM_CONTROLS.has(tagOf(element));
    }

    // Text areas and the kinds of INPUT that have a caret.
    function hasCaret(element) {
        const tag = tagOf(element);
        return tag === 'TEXTAREA' || (tag === 'INPUT' && element.selectionStart !== null);
    }

    // Text as the field will hold it: line breaks as line feeds in a text area, none in a
    // text box. The caret then lands right after what was really put in.
    function fieldText(element, text) {
        const lines = String(text).replace(/\r\n?/g, '\n');
        return tagOf(element) === 'TEXTAREA' ? lines : lines.replace(/\n/g, '');
    }

    // The kinds of INPUT one types text into; some of them (e-mail, number) keep their
    // selection to themselves.
    const TEXT_INPUTS = new Set(['text', 'search', 'url', 'tel', 'password', 'email', 'number']);

    function takesText(element) {
        const tag = tagOf(element);
        return tag === 'TEXTAREA' || (tag === 'INPUT' && TEXT_INPUTS.has(element.type));
    }

    // The fields the typing aids work in: text areas, and text and password boxes.
    function isTypingField(element) {
        const tag = tagOf(element);
        return tag === 'TEXTAREA' || (tag === 'INPUT' && (element.type === 'text' || element.type === 'password'));
    }

    function isOptionButton(element) {
        return tagOf(element) === 'INPUT' && (element.type === 'checkbox' || element.type === 'radio');
    }

    // Changes made for the user reach the page's scripts as the user's own changes would.
    function notify(element, ...types) {
        for (const type of types)
            element.dispatchEvent(new Event(type, {bubbles: true}));
    }

    // A character offset; offsets before the start of a value count as its start.
    function offset(value) {
        const number = Number(value);
        return Number.isInteger(number) ? Math.max(0, number) : fail('bad offset');
    }

    function isPromise(value) {
        return !!value && typeof value.then === 'function';
    }

    // The path of a window from the top: its index among its parent's frames, level by level.
    // Every step is allowed across origins.
    function framePath(win) {
        const path = [];
        for (let w = win; w !== w.parent; w = w.parent) {
            const parent = w.parent;
            let index = 0;
            while (index < parent.length && parent[index] !== w)
                index++;
            if (index === parent.length)
                return null;
            path.unshift(index);
        }
        return path;
    }

    function newOps(ops) {
        return Object.assign(Object.create(null), ops);
    }

    // What a frame's window can do: the frame is named by its number alone.
    const windowOps = newOps({
        document: (frame) => frame + ':' + documentId,
        focus: () => { window.focus(); return true; },
    });

    // The next edit of this document made by the engine for the user (a paste or a cut), or
    // none within a short while.
    let editWatch = null;

    function watchEdit() {
        const watch = {edited: false, finished: false, done: null};
        const finish = () => {
            window.removeEventListener('input', onInput, true);
            clearTimeout(timer);
            watch.finished = true;
            if (watch.done)
                watch.done(watch.edited);
        };
        const onInput = () => {
            watch.edited = true;
            finish();
        };
        window.addEventListener('input', onInput, true);
        const timer = setTimeout(finish, EDIT_WAIT_MS);
        editWatch = watch;
    }

    function editDone() {
        const watch = editWatch;
        editWatch = null;
        if (!watch || watch.finished)
            return !!watch && watch.edited;
        return new Promise((resolve) => { watch.done = resolve; });
    }

    const COLOURS = new Set(['bgColor', 'fgColor', 'linkColor', 'alinkColor', 'vlinkColor']);

    // A frameset document has no colours.
    function hasColours(which) {
        return COLOURS.has(which) && !!document.body && tagOf(document.body) === 'BODY';
    }

    function clipboardState() {
        const active = document.activeElement;
        if (active && takesText(active)) {
            const selected = hasCaret(active) ? active.selectionStart !== active.selectionEnd : active.value !== '';
            const editable = !active.readOnly && !active.disabled;
            const readable = selected && active.type !== 'password';
            return {copy: readable, cut: readable && editable, paste: editable};
        }
        const selection = getSelection();
        const selected = !!selection && !selection.isCollapsed;
        const editable = !!active && active.isContentEditable;
        return {copy: selected, cut: selected && editable, paste: editable};
    }

    // Formatting commands the engine applies only to editable content.
    const FORMATTING = new Set(['backcolor', 'forecolor', 'fontname', 'fontsize', 'bold', 'italic', 'underline',
        'justifyleft', 'justifycenter', 'justifyright']);

    function selectRanges(selection, ranges) {
        selection.removeAllRanges();
        for (const range of ranges)
            selection.addRange(range);
    }

    // Runs a formatting command (or its query) on a selection in content that is not
    // editable: the document is in design mode for that one call only, the selection kept.
    function onSelection(command, run) {
        const selection = getSelection();
        const active = document.activeElement;
        // Text fields hold plain text: they are left as the engine has them.
        if (!FORMATTING.has(String(command).toLowerCase()) || document.designMode === 'on' || !selection
            || !selection.rangeCount || (active && takesText(active)))
            return run();
        const container = selection.getRangeAt(0).commonAncestorContainer;
        const element = container.nodeType === Node.ELEMENT_NODE ? container : container.parentElement;
        if (element && element.isContentEditable)
            return run();
        const ranges = [];
        for (let i = 0; i < selection.rangeCount; ++i)
            ranges.push(selection.getRangeAt(i).cloneRange());
        document.designMode = 'on';
        let after = ranges;
        try {
            selectRanges(selection, ranges);
            const result = run();
            if (selection.rangeCount)
                after = [selection.getRangeAt(0).cloneRange()];
            return result;
        } finally {
            document.designMode = 'off';
            selectRanges(selection, after);
        }
    }

    // What a document can do: named by frame number and document id.
    const documentOps = newOps({
        activeElement: (frame) => elementRef(document.activeElement || document.body, frame),
        url: () => document.URL,
        elementById: (frame, id) => elementRef(document.getElementById(String(id)), frame),
        execCommand: (frame, command, showUi, value) =>
            onSelection(command, () => document.execCommand(String(command), !!showUi, String(value))),
        queryCommandSupported: (frame, command) => document.queryCommandSupported(String(command)),
        queryCommandEnabled: (frame, command) =>
            onSelection(command, () => document.queryCommandEnabled(String(command))),
        queryCommandState: (frame, command) => onSelection(command, () => document.queryCommandState(String(command))),
        queryCommandValue: (frame, command) =>
            onSelection(command, () => String(document.queryCommandValue(String(command)))),
        clipboardState: () => clipboardState(),
        insertText: (frame, text) =>
            clipboardState().paste && document.execCommand('insertText', false, String(text)),
        // A cut, copy or paste the engine is about to make, if the document allows it now.
        startClipboardCommand: (frame, kind) => {
            if (!clipboardState()[kind])
                return false;
            if (kind !== 'copy')
                watchEdit();
            return true;
        },
        editDone: () => editDone(),
        bodyInnerText: () => (document.body ? document.body.innerText : ''),
        focusedForm: (frame) => focusedForm(),
        writeControls: (frame, writes) => writeControls(writes),
        colour: (frame, which) => (hasColours(String(which)) ? document[which] : ''),
        setColour: (frame, which, colour) => {
            if (!hasColours(String(which)))
                return false;
            document[which] = String(colour);
            return true;
        },
    });

    function attribute(element, name) {
        const wanted = String(name).toLowerCase();
        if (wanted === 'type' && tagOf(element) === 'INPUT')
            return element.type;
        for (const attr of element.attributes) {
            if (attr.name.toLowerCase() === wanted)
                return attr.value;
        }
        return '';
    }


    // ---- Marks over text fields. ----
    // The program marks characters of a field's value with a background colour (the spell
    // checker's findings). The engine does not colour text inside a field, so the agent draws
    // the marks itself: a copy of the field's text laid out as the field lays it out, with
    // transparent letters and coloured backgrounds, in a closed shadow root over the field. It
    // takes no pointer events, follows the field's scrolling and goes with any new value.
    const MARK_COLOUR = /^(#[0-9a-fA-F]{3}|#[0-9a-fA-F]{6}|[a-zA-Z]{1,30})$/;
    const fieldMarks = new WeakMap();
    const MIRRORED = ['boxSizing', 'fontFamily', 'fontSize', 'fontWeight', 'fontStyle', 'fontVariant',
                      'fontStretch', 'letterSpacing', 'wordSpacing', 'lineHeight', 'textTransform', 'textIndent',
                      'textAlign', 'tabSize', 'direction', 'paddingTop', 'paddingRight', 'paddingBottom',
                      'paddingLeft', 'borderTopWidth', 'borderRightWidth', 'borderBottomWidth', 'borderLeftWidth'];

    function takesMarks(element) {
        return hasCaret(element) && takesText(element);
    }

    // The marks as they show: later over earlier, cut to the value, touching runs joined.
    function shownMarks(marks, length) {
        const colourAt = new Array(length).fill(null);
        for (const [start, end, colour] of marks) {
            for (let i = Math.max(0, start); i < Math.min(end, length); i++)
                colourAt[i] = colour;
        }
        const runs = [];
        for (let i = 0; i < length;) {
            let end = i + 1;
            while (end < length && colourAt[end] === colourAt[i])
                end++;
            if (colourAt[i] !== null)
                runs.push([i, end, colourAt[i]]);
            i = end;
        }
        return runs;
    }

    // A box laid out as the field lays out its text, at the field's place in the page.
    function styleMirror(host, mirror, element) {
        const style = getComputedStyle(element);
        for (const name of MIRRORED)
            mirror.style[name] = style[name];
        const isArea = tagOf(element) === 'TEXTAREA';
        const px = (value) => parseFloat(value) || 0;
        // A scroll bar of the field narrows its text; the copy has none, so it pads instead.
        const bar = element.offsetWidth - element.clientWidth - px(style.borderLeftWidth) - px(style.borderRightWidth);
        mirror.style.paddingRight = (px(style.paddingRight) + Math.max(0, bar)) + 'px';
        mirror.style.boxSizing = 'border-box';
        mirror.style.borderStyle = 'solid';
        mirror.style.borderColor = 'transparent';
        mirror.style.width = element.offsetWidth + 'px';
        mirror.style.height = element.offsetHeight + 'px';
        mirror.style.whiteSpace = isArea ? 'pre-wrap' : 'pre';
        mirror.style.overflowWrap = isArea ? 'break-word' : 'normal';
        mirror.style.overflow = 'hidden';
        mirror.style.color = 'transparent';
        mirror.style.margin = '0';
        mirror.style.position = 'relative';
        if (!isArea) {
            // A text box centres its line.
            mirror.style.lineHeight = (element.clientHeight - px(style.paddingTop) - px(style.paddingBottom)) + 'px';
        }
        host.style.left = '0px';
        host.style.top = '0px';
        const origin = host.getBoundingClientRect();
        const place = element.getBoundingClientRect();
        host.style.left = (place.left - origin.left) + 'px';
        host.style.top = (place.top - origin.top) + 'px';
    }

    function newOverlay(visible) {
        const host = document.createElement('div');
        host.style.cssText = 'all: initial; display: block; position: absolute; pointer-events: none; margin: 0;'
            + ' padding: 0; border: 0; z-index: 2147483647; mix-blend-mode: multiply;'
            + (visible ? '' : ' visibility: hidden;');
        const root = host.attachShadow({mode: 'closed'});
        const mirror = document.createElement('div');
        root.appendChild(mirror);
        document.documentElement.appendChild(host);
        return {host, mirror};
    }

    function fill(mirror, value, pieces) {
        mirror.textContent = '';
        let at = 0;
        for (const [start, end, colour] of pieces) {
            if (start > at)
                mirror.appendChild(document.createTextNode(value.slice(at, start)));
            const span = document.createElement('span');
            span.style.backgroundColor = colour;
            span.textContent = value.slice(start, end);
            mirror.appendChild(span);
            at = end;
        }
        // A last line break still makes a line.
        mirror.appendChild(document.createTextNode(value.slice(at) + '\u200b'));
    }

    function syncScroll(element, mirror) {
        mirror.scrollTop = element.scrollTop;
        mirror.scrollLeft = element.scrollLeft;
    }

    function drawMarks(element) {
        const entry = fieldMarks.get(element);
        if (!entry.overlay) {
            entry.overlay = newOverlay(true);
            entry.onScroll = () => syncScroll(element, entry.overlay.mirror);
            entry.onResize = () => {
                styleMirror(entry.overlay.host, entry.overlay.mirror, element);
                syncScroll(element, entry.overlay.mirror);
            };
            element.addEventListener('scroll', entry.onScroll, true);
            window.addEventListener('resize', entry.onResize, true);
        }
        styleMirror(entry.overlay.host, entry.overlay.mirror, element);
        fill(entry.overlay.mirror, element.value, entry.marks);
        syncScroll(element, entry.overlay.mirror);
    }

    function clearMarks(element) {
        const entry = fieldMarks.get(element);
        if (!entry)
            return;
        fieldMarks.delete(element);
        if (entry.overlay) {
            element.removeEventListener('scroll', entry.onScroll, true);
            window.removeEventListener('resize', entry.onResize, true);
            entry.overlay.host.remove();
        }
    }

    function setTextMarks(element, marks) {
        if (!takesMarks(element) || !Array.isArray(marks))
            return false;
        const list = [];
        for (const mark of marks) {
            const [start, end, colour] = Array.isArray(mark) ? mark : [];
            if (!MARK_COLOUR.test(String(colour)) || !Number.isInteger(start) || !Number.isInteger(end))
                return false;
            list.push([start, end, String(colour).toLowerCase()]);
        }
        const shown = shownMarks(list, element.value.length);
        clearMarks(element);
        if (!shown.length)
            return true;
        fieldMarks.set(element, {marks: shown, overlay: null});
        drawMarks(element);
        return true;
    }

    // Scrolls the field so that the characters [start, end) show, measured on a hidden copy.
    function scrollTextIntoView(element, start, end) {
        if (!takesMarks(element))
            return false;
        const value = element.value;
        const from = Math.min(offset(start), value.length);
        const to = Math.max(from, Math.min(offset(end), value.length));
        const probe = newOverlay(false);
        styleMirror(probe.host, probe.mirror, element);
        fill(probe.mirror, value, [[from, to, 'transparent']]);
        const span = probe.mirror.querySelector('span');
        const style = getComputedStyle(element);
        const padTop = parseFloat(style.paddingTop) || 0;
        const padLeft = parseFloat(style.paddingLeft) || 0;
        if (span) {
            const top = span.offsetTop - padTop;
            const bottom = span.offsetTop + span.offsetHeight + padTop;
            if (top < element.scrollTop)
                element.scrollTop = top;
            else if (bottom > element.scrollTop + element.clientHeight)
                element.scrollTop = bottom - element.clientHeight;
            const left = span.offsetLeft - padLeft;
            const right = span.offsetLeft + span.offsetWidth + padLeft;
            if (left < element.scrollLeft)
                element.scrollLeft = left;
            else if (right > element.scrollLeft + element.clientWidth)
                element.scrollLeft = right - element.clientWidth;
        }
        probe.host.remove();
        element.scrollIntoView({block: 'nearest', inline: 'nearest'});
        return true;
    }

    // The user's own edits take the marks off as well.
    window.addEventListener('input', (event) => {
        if (current() && event.target instanceof Element)
            clearMarks(event.target);
    }, true);

    // What an element can do: named by frame number, document id and element number. Members
    // that do not fit the element's kind fail.
    const elementOps = newOps({
        getAttribute: (element, frame, name) => attribute(element, name),
        name: (element) => (typeof element.name === 'string' ? element.name : ''),
        value: (element) => (isFormControl(element) ? element.value : ''),
        setValue: (element, frame, value) => {
            if (!isFormControl(element))
                return false;
            clearMarks(element);
            element.value = String(value);
            notify(element, 'input', 'change');
            return true;
        },
        form: (element, frame) => (isFormControl(element) ? elementRef(element.form, frame) : null),
        formLength: (element) => (tagOf(element) === 'FORM' ? element.elements.length : fail('no form')),
        formItem: (element, frame, index) =>
            (tagOf(element) === 'FORM' ? elementRef(element.elements[Number(index)], frame) : null),
        selection: (element) =>
            (hasCaret(element) ? [element.selectionStart, element.selectionEnd] : fail('no caret')),
        setSelectionRange: (element, frame, start, end) => {
            if (!hasCaret(element))
                return false;
            element.setSelectionRange(offset(start), offset(end));
            return true;
        },
        replaceRange: (element, frame, start, end, text) => {
            if (!hasCaret(element))
                return false;
            clearMarks(element);
            element.setRangeText(fieldText(element, text), offset(start), offset(end), 'end');
            notify(element, 'input');
            return true;
        },
        textMarks: (element) => {
            const entry = fieldMarks.get(element);
            return takesMarks(element) && entry ? entry.marks : (takesMarks(element) ? [] : fail('no text field'));
        },
        setTextMarks: (element, frame, marks) => setTextMarks(element, marks),
        scrollTextIntoView: (element, frame, start, end) => scrollTextIntoView(element, start, end),
        selectedIndex: (element) => (tagOf(element) === 'SELECT' ? element.selectedIndex : fail('no select')),
        setSelectedIndex: (element, frame, index) => {
            const number = Number(index);
            if (tagOf(element) !== 'SELECT' || !Number.isInteger(number))
                return false;
            element.selectedIndex = number;
            notify(element, 'input', 'change');
            return true;
        },
        checked: (element) => isOptionButton(element) && element.checked,
        setChecked: (element, frame, checked) => {
            if (!isOptionButton(element))
                return false;
            element.checked = !!checked;
            notify(element, 'input', 'change');
            return true;
        },
        contentWindow: (element) => {
            const tag = tagOf(element);
            if ((tag !== 'IFRAME' && tag !== 'FRAME') || !element.contentWindow)
                return null;
            return {framePath: framePath(element.contentWindow)};
        },
        focus: (element) => {
            element.focus();
            return document.activeElement === element;
        },
        scrollIntoView: (element) => { element.scrollIntoView(); return true; },
        answerFieldEdit: (element, frame, expected, value, caret) =>
            settleFieldEdit(element, String(expected), {value: String(value), caret: offset(caret)}),
    });

    // ---- Whole forms in one call: the focused element with its form, and batches of changes. ----

    // Sizes below this many pixels, and opacities below this, are not seen by the user.
    const MIN_VISIBLE_PX = 2;
    const MIN_OPACITY = 0.1;
    // Overflow that cuts off what lies outside the box, out of the user's reach.
    const CLIPPING_OVERFLOW = new Set(['hidden', 'clip']);

    const OPEN = Object.freeze({hides: false, left: -Infinity, top: -Infinity, right: Infinity, bottom: Infinity});

    function hidesByStyle(style) {
        return Number(style.opacity) < MIN_OPACITY || (!!style.clip && style.clip !== 'auto')
               || (!!style.clipPath && style.clipPath !== 'none');
    }

    // Tells whether the user can see an element: rendered, not hidden by style, of a visible
    // size, not placed where no scrolling reaches, not faded out, and not clipped away by a box
    // around it. One reader serves one read of a form: each box around the controls is looked
    // at once, however many controls it holds.
    function visibilityReader() {
        const root = document.scrollingElement || document.documentElement;
        const pageWidth = Math.max(root.scrollWidth, innerWidth);
        const pageHeight = Math.max(root.scrollHeight, innerHeight);
        // What the boxes from an element up hide, and the rectangle they leave to their content.
        const chains = new Map();
        function chainOf(e) {
            if (!e || e === document.documentElement)
                return OPEN;
            let chain = chains.get(e);
            if (chain)
                return chain;
            chain = Object.assign({}, chainOf(e.parentElement));
            const style = getComputedStyle(e);
            const clipsX = style.overflowX !== 'visible';
            const clipsY = style.overflowY !== 'visible';
            if (hidesByStyle(style)) {
                chain.hides = true;
            } else if (!chain.hides && (clipsX || clipsY)) {
                const box = e.getBoundingClientRect();
                // A scrolling box shows what it holds once scrolled, unless the box itself is too small.
                if ((clipsX && box.width < MIN_VISIBLE_PX) || (clipsY && box.height < MIN_VISIBLE_PX))
                    chain.hides = true;
                if (CLIPPING_OVERFLOW.has(style.overflowX)) {
                    chain.left = Math.max(chain.left, box.left);
                    chain.right = Math.min(chain.right, box.right);
                }
                if (CLIPPING_OVERFLOW.has(style.overflowY)) {
                    chain.top = Math.max(chain.top, box.top);
                    chain.bottom = Math.min(chain.bottom, box.bottom);
                }
            }
            chains.set(e, chain);
            return chain;
        }
        return (element) => {
            if (tagOf(element) === 'INPUT' && element.type === 'hidden')
                return false;
            if (!element.getClientRects().length)
                return false;
            const style = getComputedStyle(element);
            if (style.visibility !== 'visible' || hidesByStyle(style))
                return false;
            const box = element.getBoundingClientRect();
            if (box.width < MIN_VISIBLE_PX || box.height < MIN_VISIBLE_PX || box.right + scrollX <= 0
                || box.bottom + scrollY <= 0 || box.left + scrollX >= pageWidth || box.top + scrollY >= pageHeight)
                return false;
            const chain = chainOf(element.parentElement);
            return !chain.hides && Math.min(box.right, chain.right) - Math.max(box.left, chain.left) >= MIN_VISIBLE_PX
                   && Math.min(box.bottom, chain.bottom) - Math.max(box.top, chain.top) >= MIN_VISIBLE_PX;
        };
    }

    // A control as [element number, tag, type, name, value, VCARD_NAME, checked, selected index,
    // visible]: arrays keep a form of thousands of controls small on its way to the program.
    function controlState(element, isVisible) {
        const tag = tagOf(element);
        elementRef(element, 0);
        return [elementIds.get(element), tag, tag === 'INPUT' ? element.type.toUpperCase() : '',
                typeof element.name === 'string' ? element.name : '', isFormControl(element) ? element.value : '',
                attribute(element, 'vcard_name'), isOptionButton(element) && element.checked,
                tag === 'SELECT' ? element.selectedIndex : -1, isVisible(element)];
    }

    function focusedForm() {
        const active = document.activeElement || document.body;
        if (!active)
            return null;
        const isVisible = visibilityReader();
        const form = isFormControl(active) ? active.form : null;
        return {focused: controlState(active, isVisible), inForm: !!form,
                controls: form ? Array.from(form.elements, (element) => controlState(element, isVisible)) : []};
    }

    const CONTROL_WRITES = {
        v: (element, value) => elementOps.setValue(element, 0, value),
        c: (element, checked) => elementOps.setChecked(element, 0, checked),
        s: (element, index) => elementOps.setSelectedIndex(element, 0, index),
    };

    // Changes as [element number, 'v' value | 'c' checked | 's' selected index, argument], made
    // in order; the number made. Elements gone from this document or of the wrong kind are
    // left out, as is a value a file input refuses.
    function writeControls(writes) {
        let made = 0;
        for (const write of Array.isArray(writes) ? writes : []) {
            const [id, kind, argument] = Array.isArray(write) ? write : [];
            const ref = elements.get(Number(id));
            const element = ref && ref.deref();
            const change = Object.hasOwn(CONTROL_WRITES, kind) ? CONTROL_WRITES[kind] : null;
            if (!element || !change || !element.isConnected || element.ownerDocument !== document)
                continue;
            try {
                if (change(element, argument))
                    made++;
            } catch (error) {
                // The element refused the change (a file input given a path).
            }
        }
        return made;
    }

    function perform(target, op, args) {
        const parts = String(target).split(':');
        const frame = Number(parts[0]);
        const list = Array.isArray(args) ? args : [];
        if (parts.length === 1 && windowOps[op])
            return windowOps[op](frame, ...list);
        if (parts[1] !== documentId)
            fail('stale document');
        if (parts.length === 2 && documentOps[op])
            return documentOps[op](frame, ...list);
        const ref = parts.length === 3 ? elements.get(Number(parts[2])) : undefined;
        const element = ref && ref.deref();
        if (!element || !elementOps[op])
            fail('unknown element or operation');
        return elementOps[op](element, frame, ...list);
    }


    // ---- Field edits for the typing aids. ----
    // The agent reports the user's own edits of a field after the field took them: a typed
    // space (the program may expand the word before it) and the edits whose result the program
    // remembers. Reports go one at a time, in order; the next leaves when the program answered
    // the last. An answer is applied only to the field it was asked for, and only while the
    // text it was computed from is still there: unchanged, or with more typed at the caret,
    // which the replacement then leaves in place.
    const FIELD_ANSWER_WAIT_MS = 1000;
    const REMEMBERED_EDITS = new Set(['deleteContentBackward', 'deleteContentForward', 'deleteWordBackward',
                                      'deleteWordForward', 'deleteByCut', 'insertFromPaste',
                                      'insertLineBreak', 'insertParagraph', 'historyUndo', 'historyRedo']);
    const fieldEdits = [];
    let fieldWait = null;

    function fieldEditKind(event, element) {
        if (event.inputType === 'insertText' && event.data === ' ')
            return 'space';
        // A password box is refreshed only by the expansion itself.
        if (REMEMBERED_EDITS.has(event.inputType) && element.type !== 'password')
            return 'edit';
        return null;
    }

    function reportFieldEdit(edit) {
        const key = documentId + ':' + elementRef(edit.element, 0).key.split(':')[2];
        if (isTop) {
            fieldEvent(window, key, edit.kind, edit.value, edit.caret);
            return;
        }
        const topAgent = sameOriginAgent(window.top);
        if (topAgent)
            topAgent.fieldEvent(window, key, edit.kind, edit.value, edit.caret);
        else
            tellTop({t: 'field', key, kind: edit.kind, value: edit.value, caret: edit.caret});
    }

    function sendNextFieldEdit() {
        if (fieldWait !== null || !fieldEdits.length)
            return;
        const edit = fieldEdits[0];
        fieldWait = setTimeout(() => settleFieldEdit(edit.element, edit.value, null), FIELD_ANSWER_WAIT_MS);
        reportFieldEdit(edit);
    }

    // The replacement an answer makes: its place in the reported text and the new part.
    function replacementOf(before, after) {
        let start = 0;
        while (start < before.length && start < after.length && before[start] === after[start])
            start++;
        let end = 0;
        while (end < before.length - start && end < after.length - start
               && before[before.length - 1 - end] === after[after.length - 1 - end])
            end++;
        return {start, end: before.length - end, text: after.slice(start, after.length - end)};
    }

    // The text with the replacement made, if it is the reported text with only more typed at
    // the reported caret, and the replacement lies before that caret; otherwise null.
    function rebase(text, reported, caret, replacement) {
        if (text === reported)
            return text.slice(0, replacement.start) + replacement.text + text.slice(replacement.end);
        if (text.length < reported.length || replacement.end > caret || !text.startsWith(reported.slice(0, caret))
            || !text.endsWith(reported.slice(caret)))
            return null;
        return text.slice(0, replacement.start) + replacement.text + text.slice(replacement.end);
    }

    function applyFieldAnswer(edit, answer) {
        const element = edit.element;
        const replacement = replacementOf(edit.value, answer.value);
        const typedOn = element.value !== edit.value;
        if (rebase(element.value, edit.value, edit.caret, replacement) === null)
            return false;
        // Edits still waiting were made on top of this one: they carry the replacement too.
        const shift = replacement.text.length - (replacement.end - replacement.start);
        for (const waiting of fieldEdits) {
            const moved = waiting.element === element && rebase(waiting.value, edit.value, edit.caret, replacement);
            if (moved) {
                waiting.value = moved;
                waiting.caret += shift;
            }
        }
        if (element === document.activeElement && document.hasFocus())
            replaceAsEdit(element, replacement, typedOn ? null : answer.caret);
        else
            replaceAsValue(element, replacement, typedOn ? null : answer.caret);
        return true;
    }

    // The replacement as one edit of the page's own, which its undo takes back in one step.
    // More typed since (no caret given): the selection moves along with the text after it.
    let applyingEdit = false;
    function replaceAsEdit(element, replacement, caret) {
        const shift = replacement.text.length - (replacement.end - replacement.start);
        const moved = (position) => position >= replacement.end ? position + shift
                                  : Math.min(position, replacement.start + replacement.text.length);
        const selectionStart = element.selectionStart;
        const selectionEnd = element.selectionEnd;
        const direction = element.selectionDirection;
        element.setSelectionRange(replacement.start, replacement.end);
        applyingEdit = true;
        let done = false;
        try {
            done = replacement.text.length
                ? document.execCommand('insertText', false, replacement.text)
                : document.execCommand('delete', false);
        } finally {
            applyingEdit = false;
        }
        if (!done) {
            element.setSelectionRange(selectionStart, selectionEnd, direction);
            replaceAsValue(element, replacement, caret);
            return;
        }
        if (caret === null)
            element.setSelectionRange(moved(selectionStart), moved(selectionEnd), direction);
        else
            element.setSelectionRange(caret, caret);
    }

    // A field that no longer has the keyboard takes the replacement into its value.
    function replaceAsValue(element, replacement, caret) {
        element.setRangeText(replacement.text, replacement.start, replacement.end, 'preserve');
        if (caret !== null)
            element.setSelectionRange(caret, caret);
        notify(element, 'input');
    }

    function settleFieldEdit(element, expected, answer) {
        const edit = fieldEdits[0];
        if (!edit || edit.element !== element || edit.value !== expected)
            return false;
        clearTimeout(fieldWait);
        fieldWait = null;
        fieldEdits.shift();
        const applied = !!answer && answer.value !== expected && applyFieldAnswer(edit, answer);
        sendNextFieldEdit();
        return applied;
    }

    window.addEventListener('input', (event) => {
        const element = event.target;
        if (applyingEdit || !current() || !event.isTrusted || !(element instanceof Element) || !isTypingField(element))
            return;
        const kind = fieldEditKind(event, element);
        if (!kind)
            return;
        fieldEdits.push({element, kind, value: element.value, caret: element.selectionEnd});
        sendNextFieldEdit();
    }, true);

    // ---- The top-level agent: calls from the program, reports to it, the frame table. ----

    const transport = isTop && window.qt ? window.qt.webChannelTransport : undefined;
    let bridge = null;
    const outbox = [];

    function tellProgram(method, ...args) {
        if (bridge)
            bridge[method](...args);
        else
            outbox.push([method, args]);
    }

    // Frames by number, numbered in the order they are first met; a frame keeps its number
    // while its documents come and go.
    const frameNumbers = new WeakMap();
    const frames = new Map();
    let lastFrameNumber = 0;

    function frameNumberOf(win) {
        let number = frameNumbers.get(win);
        if (!number) {
            number = ++lastFrameNumber;
            frameNumbers.set(win, number);
            frames.set(number, {win, port: null});
        }
        return number;
    }

    function windowAt(path) {
        let win = window;
        for (const index of path) {
            win = win[index];
            if (!win)
                return null;
        }
        return win;
    }

    // Windows travel from frames as paths; the program knows them by frame number.
    function resolve(value) {
        if (value && typeof value === 'object' && Array.isArray(value.framePath)) {
            const win = windowAt(value.framePath);
            return win ? String(frameNumberOf(win)) : null;
        }
        return value;
    }

    const answer = (value) => JSON.stringify({v: resolve(value === undefined ? null : value)});
    const failure = (error) => JSON.stringify({e: String(error && error.message)});
    const PENDING = JSON.stringify({p: true});

    function sameOriginAgent(win) {
        try {
            return win[NAMESPACE] || null;
        } catch (error) {
            return null;
        }
    }

    // The answer to a call: given at once, or, for work that completes later, sent through the
    // channel when it does.
    function respond(id, value) {
        if (!isPromise(value))
            return answer(value);
        if (!transport)
            fail('no channel');
        value.then((result) => tellProgram('answer', id, answer(result)),
                   (error) => tellProgram('answer', id, failure(error)));
        return PENDING;
    }

    // A call from the program: [request id, target handle, operation, arguments]. A frame of
    // another origin is asked over its channel; its answer follows through the web channel.
    function run(request) {
        const [id, target, op, args] = Array.isArray(request) ? request : [];
        try {
            if (op === 'flush')
                return respond(id, flush());
            const number = Number(String(target).split(':')[0]);
            if (number === 0)
                return respond(id, perform(target, op, args));
            const entry = frames.get(number) || fail('unknown frame');
            const agent = sameOriginAgent(entry.win);
            if (agent)
                return respond(id, agent.perform(target, op, args));
            if (!entry.port || !transport)
                fail('frame not reachable');
            entry.port.postMessage({t: 'request', id, target, op, args});
            return PENDING;
        } catch (error) {
            return failure(error);
        }
    }

    // Channels offered to frames and not yet taken or declined.
    const offers = new Set();
    const pongWaiters = new Map();

    function within(promise, milliseconds) {
        return Promise.race([promise, new Promise((resolve) => setTimeout(resolve, milliseconds))]);
    }

    // Asks every frame with a channel to answer; a frame answers after all it reported before.
    function pingFrames(id) {
        const ports = [];
        for (const [number, entry] of frames) {
            if (entry.win.closed)
                frames.delete(number);
            else if (entry.port)
                ports.push(entry.port);
        }
        return new Promise((resolve) => {
            let outstanding = ports.length;
            pongWaiters.set(id, () => {
                if (--outstanding === 0)
                    resolve();
            });
            ports.forEach((port) => port.postMessage({t: 'ping', id}));
            if (!outstanding)
                resolve();
        });
    }

    // Confirms that every report the frames sent so far has been passed on to the program:
    // channels being opened are opened first, since their frames hold their reports till then.
    function flush() {
        const id = randomId();
        return within(Promise.all(offers), FLUSH_WAIT_MS)
            .then(() => within(pingFrames(id), FLUSH_WAIT_MS))
            .then(() => {
                pongWaiters.delete(id);
                return true;
            });
    }

    const FRAME_EVENTS = new Set(['navigate', 'complete']);

    function frameEvent(win, kind, url) {
        if (FRAME_EVENTS.has(kind))
            tellProgram('frameEvent', frameNumberOf(win), kind, String(url));
    }

    // A field edit in a frame, named there by document and element.
    function fieldEvent(win, key, kind, value, caret) {
        if (typeof key === 'string' && /^[0-9a-f]+:[0-9]+$/.test(key) && (kind === 'space' || kind === 'edit'))
            tellProgram('fieldEvent', frameNumberOf(win) + ':' + key, kind, String(value), Number(caret) | 0);
    }

    function onFrameMessage(win, port, message) {
        if (message.t === 'field')
            fieldEvent(win, message.key, message.kind, message.value, message.caret);
        else if (message.t === 'answer')
            tellProgram('answer', message.id, 'e' in message ? failure({message: message.e}) : answer(message.v));
        else if (message.t === 'event')
            frameEvent(win, message.kind, message.url);
        else if (message.t === 'pong' && pongWaiters.has(message.id))
            pongWaiters.get(message.id)();
        else if (message.t === 'bye' && frames.get(frameNumberOf(win)).port === port)
            frames.get(frameNumberOf(win)).port = null;
    }

    // A frame of another origin said hello: offer it a channel, with a proof bound to its
    // origin, and take the channel once the frame proved itself in turn.
    function offerChannel(win, origin) {
        const channel = new MessageChannel();
        const port = channel.port1;
        const nonce = randomId();
        let trusted = false;
        let settle;
        const offer = new Promise((resolve) => { settle = resolve; });
        const settled = () => {
            offers.delete(offer);
            settle();
        };
        offers.add(offer);
        setTimeout(settled, HANDSHAKE_WAIT_MS);
        port.onmessage = (event) => {
            const message = event.data || {};
            if (trusted) {
                onFrameMessage(win, port, message);
                return;
            }
            settled();
            if (message.t !== 'proof' || typeof message.nonce !== 'string'
                || message.proof !== proof('answer', nonce, message.nonce)) {
                port.close();
                return;
            }
            trusted = true;
            frames.get(frameNumberOf(win)).port = port;
            port.postMessage({t: 'ack', proof: proof('ack', message.nonce)});
        };
        const invitation = {[MESSAGE_KEY]: {nonce, proof: proof('offer', origin, nonce)}};
        win.postMessage(invitation, origin === 'null' ? '*' : origin, [channel.port2]);
    }

    // ---- A frame agent: reports to the top-level agent, answers it over the channel. ----

    let topPort = null;
    let topTrusted = false;
    const topOutbox = [];

    function tellTop(message) {
        if (topTrusted)
            topPort.postMessage(message);
        else
            topOutbox.push(message);
    }

    function report(kind) {
        const topAgent = sameOriginAgent(window.top);
        if (topAgent)
            topAgent.frameEvent(window, kind, document.URL);
        else
            tellTop({t: 'event', kind, url: document.URL});
    }

    function onTopMessage(message, nonce) {
        if (!topTrusted) {
            if (message.t === 'ack' && message.proof === proof('ack', nonce)) {
                topTrusted = true;
                topOutbox.splice(0).forEach((queued) => topPort.postMessage(queued));
            } else {
                topPort.close();
            }
            return;
        }
        if (message.t === 'ping') {
            topPort.postMessage({t: 'pong', id: message.id});
        } else if (message.t === 'request') {
            const reply = (value) => topPort.postMessage({t: 'answer', id: message.id, v: value === undefined ? null : value});
            const refuse = (error) => topPort.postMessage({t: 'answer', id: message.id, e: String(error && error.message)});
            try {
                const value = perform(message.target, message.op, message.args);
                if (isPromise(value))
                    value.then(reply, refuse);
                else
                    reply(value);
            } catch (error) {
                refuse(error);
            }
        }
    }

    function acceptChannel(port, offerNonce) {
        topPort = port;
        const nonce = randomId();
        port.onmessage = (event) => onTopMessage(event.data || {}, nonce);
        port.postMessage({t: 'proof', nonce, proof: proof('answer', offerNonce, nonce)});
    }

    // Listens ahead of every page script: agent messages are taken out of the page's sight,
    // everything else passes untouched.
    window.addEventListener('message', (event) => {
        const data = event.data;
        const body = event.isTrusted && current() && data && typeof data === 'object' ? data[MESSAGE_KEY] : undefined;
        if (!body || typeof body !== 'object')
            return;
        if (isTop) {
            // Only a frame says hello; the top page's own message is left to it.
            if (body.hello === true && event.source && event.source !== window && event.source.top === window) {
                event.stopImmediatePropagation();
                offerChannel(event.source, event.origin);
            }
            return;
        }
        if (event.source !== window.top || event.ports.length !== 1 || typeof body.nonce !== 'string'
            || body.proof !== proof('offer', window.origin, body.nonce))
            return;
        event.stopImmediatePropagation();
        if (!topPort) {
            acceptChannel(event.ports[0], body.nonce);
        } else {
            // Already connected: a forged hello drew this offer. Declining settles it at once.
            event.ports[0].postMessage({t: 'decline'});
            event.ports[0].close();
        }
    }, true);

    window[NAMESPACE] = Object.freeze({run, perform, frameEvent, fieldEvent, digest});

    if (isTop) {
        if (transport) {
            new QWebChannel(transport, (channel) => {
                bridge = channel.objects[BRIDGE] || null;
                if (bridge)
                    outbox.splice(0).forEach(([method, args]) => bridge[method](...args));
            });
        }
    } else {
        if (!sameOriginAgent(window.top)) {
            const ancestors = location.ancestorOrigins;
            const topOrigin = ancestors && ancestors.length ? ancestors[ancestors.length - 1] : 'null';
            window.top.postMessage({[MESSAGE_KEY]: {hello: true}}, topOrigin === 'null' ? '*' : topOrigin);
        }
        // The empty document a frame starts with is no navigation of its own.
        if (document.readyState !== 'complete') {
            report('navigate');
            window.addEventListener('load', () => report('complete'));
        }
        window.addEventListener('pagehide', () => {
            if (topTrusted)
                topPort.postMessage({t: 'bye'});
        });
    }
})
