// Where the page puts its windows and how large it shows them. A window is
// laid out in its template's pixels and shown at one scale (CSS zoom), so
// every control keeps its place; its canvases hold the device pixels they
// cover, each shown as is (device_pixels.js).
mergeInto(LibraryManager.library, {
  $Layout__deps: ['$HitAreas', '$DevicePixels'],
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
      HitAreas.place(shape, scale);
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

    rectIn: function(b, origin) {
      return {left: b.left - origin.left, top: b.top - origin.top,
        right: b.right - origin.left, bottom: b.bottom - origin.top};
    },

    // After the viewport or the device pixels changed: every window in its
    // place, and every canvas that now covers other device pixels painted.
    refresh: function() {
      Layout.arrange();
      DevicePixels.repaintResized(document.querySelectorAll('dialog.window[open] .client canvas'));
    },

    // Every change of the viewport or of the device pixel ratio refreshes
    // the page.
    watch: function() {
      addEventListener('resize', Layout.refresh);
      if (window.visualViewport) {
        visualViewport.addEventListener('resize', Layout.refresh);
      }
      Layout.watchRatio();
    },

    // When the device pixel ratio changes, as on a zoom or a move to another
    // screen, every open window is placed anew, and painted anew where its
    // canvases now cover other device pixels.
    watchRatio: function() {
      const query = matchMedia('(resolution: ' + window.devicePixelRatio + 'dppx)');
      query.addEventListener('change', () => {
        Layout.refresh();
        Layout.watchRatio();
      }, {once: true});
    },
  },
});
