// The controls' hit areas, grown past the controls where their neighbours
// leave room, so that a finger finds them.
mergeInto(LibraryManager.library, {
  $HitAreas__deps: ['$Layout'],
  $HitAreas: {
    // Each control's hit area grows to the touch target's size where its
    // neighbours' leave room and to the minimum where they do not, by the
    // insets of its ::before from its padding box, in the window's own
    // pixels. Inside the client area it stays inside it.
    place: function(shape, scale) {
      const targets = shape.targets;
      const want = Layout.touchTarget / scale;
      let areas = targets.map((t) => HitAreas.grow(t.rect, want));
      const settle = () => {
        for (let i = 0; i < targets.length; ++i) {
          for (let j = i + 1; j < targets.length; ++j) {
            HitAreas.part(targets[i].rect, areas[i], targets[j].rect, areas[j]);
          }
        }
        areas = areas.map((a, i) => (targets[i].inClient ? HitAreas.clip(a, shape.client) : a));
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
        const area = HitAreas.union(areas[i], HitAreas.grow(t.rect, Layout.minimumTarget / scale));
        const r = t.rect;
        const insets = [area.top - r.top, r.right - area.right, r.bottom - area.bottom,
          area.left - r.left];
        Layout.setVariable(t.element, '--hit',
            insets.map((n, side) => n - t.border[side] + 'px').join(' '));
      });
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
        HitAreas.part(r2, a2, r1, a1);
        return;
      }
      const middle = r1[near] + gap / 2;
      a1[near] = Math.min(a1[near], Math.max(r1[near], middle));
      a2[far] = Math.max(a2[far], Math.min(r2[far], middle));
    },
  },
});
