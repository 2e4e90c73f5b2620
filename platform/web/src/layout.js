// Where the page puts its windows and how large it shows them. A window is
// laid out in its template's pixels and shown at one scale (CSS zoom), so
// every control keeps its place; its canvases hold the device pixels they
// cover, each shown as is.
mergeInto(LibraryManager.library, {
  $Layout__deps: ['$Page'],
  $Layout: {
    // CSS pixels kept free between a window and the viewport's edges, and
    // above the application window on a tall viewport.
    margin: 8,
    top: 24,
    // Hit areas of at least 24 x 24 CSS pixels, 44 x 44 where the
    // neighbours leave room.
    minimumTarget: 24,
    touchTarget: 44,
    // iOS zooms the page into a focused field whose text is smaller.
    fieldText: 16,
    observer: null,
    zoomed: null,

    // Whether the engine reports a box's device pixels to a ResizeObserver.
    reportsDevicePixels: function() {
      return typeof ResizeObserverEntry !== 'undefined' &&
          'devicePixelContentBoxSize' in ResizeObserverEntry.prototype;
    },

    // Whether an element's box in the page includes the zoom of the
    // elements around it, as the standard has it; older engines give it in
    // the element's own zoomed pixels.
    zoomInBoxes: function() {
      if (Layout.zoomed === null) {
        const outer = document.createElement('div');
        outer.style.cssText = 'position:absolute;visibility:hidden;zoom:2';
        outer.innerHTML = '<div style="width:10px;height:1px"></div>';
        document.body.append(outer);
        Layout.zoomed = outer.firstChild.getBoundingClientRect().width > 15;
        outer.remove();
      }
      return Layout.zoomed;
    },

    // The element's zoom: the product of its windows' scales, which this
    // script alone sets, on their own style.
    zoomOf: function(element) {
      let zoom = 1;
      for (let e = element; e instanceof HTMLElement; e = e.parentElement) {
        zoom *= parseFloat(e.style.zoom) || 1;
      }
      return zoom;
    },

    // The element's box in CSS pixels of the page, whatever the engine's
    // way with zoom; its zoom may be given when it is known.
    box: function(element, zoom = Layout.zoomOf(element)) {
      const r = element.getBoundingClientRect();
      const f = zoom === 1 || Layout.zoomInBoxes() ? 1 : zoom;
      return {left: r.left * f, top: r.top * f, right: r.right * f, bottom: r.bottom * f};
    },

    // The page zoom of an engine that leaves devicePixelRatio alone when
    // the page is zoomed (WebKit): the window's width in the screen's CSS
    // pixels over its page's. Within 2 % of 1 that is a window frame, not
    // a zoom; a pinch zoom is the visual viewport's scale, not the page's.
    pageZoom: function() {
      const view = window.visualViewport;
      if (Layout.reportsDevicePixels() || !view || Math.abs(view.scale - 1) > 1e-3 ||
          !(outerWidth > 0) || outerWidth > screen.width) {
        return 1;
      }
      const zoom = outerWidth / view.width;
      return Math.abs(zoom - 1) < 0.02 ? 1 : zoom;
    },

    // Device pixels per CSS pixel.
    ratio: function() {
      return (window.devicePixelRatio || 1) * Layout.pageZoom();
    },

    snap: function(x) {
      const ratio = Layout.ratio();
      return Math.round(x * ratio) / ratio;
    },

    coarse: function() {
      return matchMedia('(pointer: coarse)').matches;
    },

    // The one scale rule: the window fits the area with a margin on every
    // side; only on a touch screen may it grow past its template's size.
    fit: function(width, height, area) {
      const m = 2 * Layout.margin;
      const scale = Math.min((area.width - m) / width, (area.height - m) / height);
      return Layout.coarse() ? scale : Math.min(1, scale);
    },

    // What the page needs to know of a window, measured once as it first
    // shows, at scale 1, in its own pixels: its size, its client area and
    // the rectangles of its controls' hit areas, with their borders.
    shape: function(window) {
      if (!window.vidadShape) {
        const origin = Layout.box(window, 1);
        const client = window.querySelector('.client') || window;
        const targets = [...window.querySelectorAll('.hit')]
            .filter((element) => element.getClientRects().length).map((element) => {
              const style = getComputedStyle(element);
              return {element, inClient: client.contains(element),
                rect: Layout.rectIn(Layout.box(element, 1), origin),
                border: ['Top', 'Right', 'Bottom', 'Left']
                    .map((side) => parseFloat(style['border' + side + 'Width']))};
            });
        window.vidadShape = {width: origin.right - origin.left, height: origin.bottom - origin.top,
          client: Layout.rectIn(Layout.box(client, 1), origin), targets};
      }
      return window.vidadShape;
    },

    // Shows the window at the scale with its top-left corner at (x, y) CSS
    // pixels of the page, on whole device pixels. A zoomed element's own
    // offsets are zoomed too.
    place: function(window, scale, x, y) {
      window.style.zoom = scale;
      window.style.left = Layout.snap(x) / scale + 'px';
      window.style.top = Layout.snap(y) / scale + 'px';
    },

    // The visual viewport in the layout viewport's CSS pixels.
    visible: function() {
      const view = window.visualViewport;
      if (!view) {
        return {left: 0, top: 0, width: innerWidth, height: innerHeight};
      }
      return {left: view.offsetLeft, top: view.offsetTop, width: view.width, height: view.height};
    },

    // The application window, centred at the top of the layout viewport;
    // the boxes over it at its scale or smaller, centred in what is
    // visible. All that is measured is measured before anything moves, so
    // that the page is laid out once.
    arrange: function() {
      const windows = [...document.querySelectorAll('dialog.window[open]')];
      const shapes = windows.map(Layout.shape);
      const page = document.documentElement;
      const area = {width: page.clientWidth, height: page.clientHeight};
      const visible = Layout.visible();
      const mainIndex = windows.findIndex((w) => !w.vidadModal && !w.classList.contains('message'));
      let scale = 1;
      if (mainIndex >= 0) {
        const size = shapes[mainIndex];
        scale = Layout.fit(size.width, size.height, area);
        const top = Math.min(Layout.top, (area.height - size.height * scale) / 2);
        Layout.place(windows[mainIndex], scale, (area.width - size.width * scale) / 2,
            Math.max(Layout.margin, top));
      }
      windows.forEach((box, i) => {
        if (i !== mainIndex) {
          const size = shapes[i];
          const boxScale = Math.min(scale, Layout.fit(size.width, size.height, visible));
          Layout.place(box, boxScale, visible.left + (visible.width - size.width * boxScale) / 2,
              visible.top + (visible.height - size.height * boxScale) / 2);
        }
        Layout.fitTouch(box, shapes[i]);
      });
    },

    // The menu at (x, y) of the page, moved or flipped to lie wholly in
    // what is visible.
    placeMenu: function(menu, x, y) {
      const scale = Layout.zoomOf(menu.parentElement);
      const b = Layout.box(menu);
      const visible = Layout.visible();
      const m = Layout.margin;
      const along = (at, size, start, length) => {
        if (at + size > start + length - m && at - size >= start + m) {
          return at - size;
        }
        return Math.max(start + m, Math.min(at, start + length - m - size));
      };
      const left = along(x, b.right - b.left, visible.left, visible.width);
      const top = along(y, b.bottom - b.top, visible.top, visible.height);
      menu.style.left = left / scale + 'px';
      menu.style.top = top / scale + 'px';
    },

    // Touch: hit areas, taller menu items, and fields whose text iOS
    // takes as large enough not to zoom into.
    fitTouch: function(window, shape) {
      const scale = parseFloat(window.style.zoom);
      Layout.setVariable(window, '--menu-item', Layout.menuItem() / scale + 'px');
      // Rounded up, so that the engine's rounding keeps the text as large.
      Layout.setVariable(window, '--touch-field-text',
          Math.ceil(Layout.fieldText / scale * 100) / 100 + 'px');
      Layout.hitAreas(shape, scale);
    },

    // Sets a custom property that has changed; one that has not is left
    // alone, so that the page's style stays as it was computed.
    setVariable: function(element, name, value) {
      if (element.style.getPropertyValue(name) !== value) {
        element.style.setProperty(name, value);
      }
    },

    menuItem: function() {
      return Layout.coarse() ? Layout.touchTarget : Layout.minimumTarget;
    },

    // Each control's hit area grows to the touch target's size where its
    // neighbours' leave room and to the minimum where they do not, by the
    // insets of its ::before from its padding box, in the window's own
    // pixels. Inside the client area it stays inside it.
    hitAreas: function(shape, scale) {
      const targets = shape.targets;
      const want = Layout.touchTarget / scale;
      let areas = targets.map((t) => Layout.grow(t.rect, want));
      const settle = () => {
        for (let i = 0; i < targets.length; ++i) {
          for (let j = i + 1; j < targets.length; ++j) {
            Layout.part(targets[i].rect, areas[i], targets[j].rect, areas[j]);
          }
        }
        areas = areas.map((a, i) => (targets[i].inClient ? Layout.clip(a, shape.client) : a));
      };
      settle();
      // What one side could not take, the other side takes where it can.
      areas = areas.map((a) => {
        const dx = Math.max(0, want - (a.right - a.left));
        const dy = Math.max(0, want - (a.bottom - a.top));
        return {left: a.left - dx, top: a.top - dy, right: a.right + dx, bottom: a.bottom + dy};
      });
      settle();
      targets.forEach((t, i) => {
        const area = Layout.union(areas[i], Layout.grow(t.rect, Layout.minimumTarget / scale));
        const r = t.rect;
        const insets = [area.top - r.top, r.right - area.right, r.bottom - area.bottom,
          area.left - r.left];
        Layout.setVariable(t.element, '--hit',
            insets.map((n, side) => n - t.border[side] + 'px').join(' '));
      });
    },

    rectIn: function(b, origin) {
      return {left: b.left - origin.left, top: b.top - origin.top,
        right: b.right - origin.left, bottom: b.bottom - origin.top};
    },

    // The rectangle grown about its middle to at least size x size.
    grow: function(r, size) {
      const dx = Math.max(0, (size - (r.right - r.left)) / 2);
      const dy = Math.max(0, (size - (r.bottom - r.top)) / 2);
      return {left: r.left - dx, top: r.top - dy, right: r.right + dx, bottom: r.bottom + dy};
    },

    clip: function(a, within) {
      return {left: Math.max(a.left, within.left), top: Math.max(a.top, within.top),
        right: Math.min(a.right, within.right), bottom: Math.min(a.bottom, within.bottom)};
    },

    union: function(a, b) {
      return {left: Math.min(a.left, b.left), top: Math.min(a.top, b.top),
        right: Math.max(a.right, b.right), bottom: Math.max(a.bottom, b.bottom)};
    },

    // Two grown areas that overlap give up their growth on the sides that
    // face each other, sharing the gap between the controls.
    part: function(r1, a1, r2, a2) {
      const overlap = a1.left < a2.right && a2.left < a1.right &&
          a1.top < a2.bottom && a2.top < a1.bottom;
      if (!overlap) {
        return;
      }
      const gapX = Math.max(r2.left - r1.right, r1.left - r2.right);
      const gapY = Math.max(r2.top - r1.bottom, r1.top - r2.bottom);
      if (Math.max(gapX, gapY) < 0) {
        return; // the controls themselves overlap
      }
      const across = gapX >= gapY;
      const near = across ? 'right' : 'bottom';
      const far = across ? 'left' : 'top';
      const gap = Math.max(0, across ? gapX : gapY);
      if (r1[near] > r2[far]) {
        Layout.part(r2, a2, r1, a1);
        return;
      }
      const middle = r1[near] + gap / 2;
      a1[near] = Math.min(a1[near], Math.max(r1[near], middle));
      a2[far] = Math.max(a2[far], Math.min(r2[far], middle));
    },

    // The canvas's device pixels: as the engine reported them, or where it
    // reports none, its edges moved onto whole device pixels and counted.
    deviceSize: function(canvas) {
      if (canvas.vidadDevice) {
        return canvas.vidadDevice;
      }
      if (!Layout.reportsDevicePixels()) {
        Layout.align(canvas);
      }
      const ratio = Layout.ratio();
      const b = Layout.box(canvas);
      return [Math.round(b.right * ratio) - Math.round(b.left * ratio),
        Math.round(b.bottom * ratio) - Math.round(b.top * ratio)];
    },

    // Places the canvas of the template rectangle [x, y, width, height] so
    // that its edges fall on the device pixels nearest to them.
    align: function(canvas) {
      const [x, y, width, height] = canvas.vidadRect;
      const scale = Layout.zoomOf(canvas.parentElement);
      const client = Layout.box(canvas.parentElement);
      const ratio = Layout.ratio();
      const edge = (start, at) => Math.round((start + at * scale) * ratio);
      const left = edge(client.left, x);
      const top = edge(client.top, y);
      const css = (device, start) => (device / ratio - start) / scale + 'px';
      Object.assign(canvas.style, {
        left: css(left, client.left), top: css(top, client.top),
        width: (edge(client.left, x + width) - left) / ratio / scale + 'px',
        height: (edge(client.top, y + height) - top) / ratio / scale + 'px',
      });
    },

    // The side of the square of device pixels that stands for one of the
    // canvas's template pixels: the whole part of their ratio, at least 1.
    pixelBlock: function(canvas) {
      return Math.max(1, Math.floor(Layout.ratio() * Layout.zoomOf(canvas) + 1e-6));
    },

    // The engine tells each canvas's device pixels after layout and before
    // the frame is drawn; a canvas whose bitmap no longer matches them has
    // its window painted anew at once.
    observe: function(canvas) {
      if (!Layout.reportsDevicePixels()) {
        return;
      }
      Layout.observer = Layout.observer || new ResizeObserver((entries) => {
        for (const entry of entries) {
          const size = entry.devicePixelContentBoxSize[0];
          entry.target.vidadDevice = [size.inlineSize, size.blockSize];
        }
        Layout.repaintResized(entries.map((entry) => entry.target));
      });
      Layout.observer.observe(canvas, {box: 'device-pixel-content-box'});
    },

    unobserve: function(element) {
      if (Layout.observer && element instanceof HTMLCanvasElement) {
        Layout.observer.unobserve(element);
      }
    },

    // Each window of the canvases once whose bitmaps no longer match the
    // device pixels they cover is painted anew.
    repaintResized: function(canvases) {
      const windows = new Set();
      for (const canvas of canvases) {
        const [width, height] = Layout.deviceSize(canvas);
        if (width !== canvas.width || height !== canvas.height) {
          windows.add(Page.windowOf(canvas));
        }
      }
      windows.forEach((window) => window && Page.post(4, window.vidadHandle, 0));
    },

    // After the viewport or the device pixels changed: every window in its
    // place, and every canvas that now covers other device pixels painted.
    refresh: function() {
      Layout.arrange();
      Layout.repaintResized(document.querySelectorAll('dialog.window[open] .client canvas'));
    },
  },
});
