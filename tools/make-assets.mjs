// Regenerates every picture under assets/ from the pinned npm packages of package-lock.json,
// with librsvg (rsvg-convert), ImageMagick (convert) and icoutils (icotool). Same inputs, same
// bytes. Run through tools/make-assets, never from the build.

import { execFileSync } from "node:child_process";
import { mkdtempSync, mkdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { geoEquirectangular, geoGraticule10, geoPath } from "d3-geo";
import { feature } from "topojson-client";

const here = dirname(fileURLToPath(import.meta.url));
const assets = join(here, "..", "assets");
const modules = join(here, "node_modules");
const work = mkdtempSync(join(tmpdir(), "vandrel-assets-"));

// Colours: the ground is close to the window's face colour; the hairline keeps white fields
// visible against it.
const GROUND = "#ececec";
const HAIRLINE = "#8e8e8e";

const run = (command, args) => execFileSync(command, args, { stdio: ["ignore", "ignore", "inherit"] });
const svgSize = (svg) => {
  const box = svg.match(/viewBox="\s*([-\d.]+)[\s,]+([-\d.]+)[\s,]+([-\d.]+)[\s,]+([-\d.]+)\s*"/);
  if (!box) throw new Error("flag without a viewBox");
  return { width: Number(box[3]), height: Number(box[4]) };
};

// Flags that svg-country-flags shows as they were before a recent change. flag-icons has the
// current design, drawn on a 4:3 field; it is set, unscaled, in the middle of a field of the
// flag's own proportions, and the stripes or field it has are carried out to the new edges.
const reframed = {
  // Mauritania since 2017: red bands above and below the green, each 15 % of the height.
  mr: { width: 720, height: 480, layers: [["#cd2a3e", 0, 480], ["#006233", 72, 336]] },
  // Syria since 2025: green, white and black with three red stars.
  sy: { width: 720, height: 480, layers: [["#000", 0, 480], ["#fff", 0, 320], ["#007a3d", 0, 160]] },
  // Kyrgyzstan since 2023: the sun with straight rays on red.
  kg: { width: 800, height: 480, layers: [["red", 0, 480]] },
};

// Nepal's flag is not a rectangle: an edge around its box would draw a shape it does not have.
const withoutEdge = new Set(["np"]);

function flagSvg(code) {
  const frame = reframed[code];
  if (!frame) return readFileSync(join(modules, "svg-country-flags", "svg", `${code}.svg`), "utf8");
  const inner = readFileSync(join(modules, "flag-icons", "flags", "4x3", `${code}.svg`), "utf8")
    .replace(/<\?xml[^>]*>/, "")
    .replace(/<svg\b/, '<svg x="' + (frame.width - 640) / 2 + '" y="0" width="640" height="480"');
  const layers = frame.layers
    .map(([fill, y, h]) => `<rect fill="${fill}" x="0" y="${y}" width="${frame.width}" height="${h}"/>`)
    .join("");
  return `<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 ${frame.width} ${frame.height}" ` +
    `width="${frame.width}" height="${frame.height}">${layers}${inner}</svg>`;
}

// The size of each flag picture: most are 204 x 120, two keep older sizes.
const pictureSize = (index) =>
  index === 7 ? [203, 119] : index === 176 ? [163, 96] : [204, 120];

function writeJpeg(png, out, extra = []) {
  run("convert", [png, ...extra, "-strip", "-colorspace", "sRGB", "-type", "TrueColor",
    "-interlace", "none", "-sampling-factor", "2x2,1x1,1x1", "-quality", "92", `JPEG:${out}`]);
}

function makeFlag(index, code) {
  const svg = flagSvg(code);
  const { width, height } = svgSize(svg);
  const [pw, ph] = pictureSize(index);
  const edge = withoutEdge.has(code) ? 0 : 1;
  // As large as fits inside the edge, the flag's own proportions kept.
  const room = [pw - 2 * edge, ph - 2 * edge];
  const aspect = width / height;
  let [fw, fh] = aspect > room[0] / room[1] ? [room[0], Math.round(room[0] / aspect)]
                                             : [Math.round(room[1] * aspect), room[1]];
  const source = join(work, `${code}.svg`);
  const rendered = join(work, `${code}.png`);
  writeFileSync(source, svg);
  run("rsvg-convert", ["-w", String(fw), "-h", String(fh), "-o", rendered, source]);
  const framed = join(work, `${code}-framed.png`);
  const border = edge ? ["-bordercolor", HAIRLINE, "-border", "1"] : [];
  run("convert", ["-size", `${pw}x${ph}`, `xc:${GROUND}`, "(", rendered, "-background", GROUND,
    "-flatten", ...border, ")", "-gravity", "center", "-composite", framed]);
  writeJpeg(framed, join(assets, "flags", `${String(index).padStart(3, "0")}.jpg`));
}

function makeWorldMap() {
  const topology = JSON.parse(readFileSync(join(modules, "world-atlas", "land-50m.json"), "utf8"));
  const land = feature(topology, topology.objects.land);
  const [w, h] = [214, 120];
  const projection = geoEquirectangular().fitExtent([[3, 3], [w - 3, h - 3]], { type: "Sphere" });
  const path = geoPath(projection);
  const svg = `<svg xmlns="http://www.w3.org/2000/svg" width="${w}" height="${h}">` +
    `<rect width="${w}" height="${h}" fill="${GROUND}"/>` +
    `<path d="${path({ type: "Sphere" })}" fill="#bcd8ee" stroke="#7fa6c6" stroke-width="0.6"/>` +
    `<path d="${path(geoGraticule10())}" fill="none" stroke="#a9c9e3" stroke-width="0.3"/>` +
    `<path d="${path(land)}" fill="#7fae6e" stroke="#5d8a4f" stroke-width="0.35"/></svg>`;
  const source = join(work, "world.svg");
  writeFileSync(source, svg);
  run("rsvg-convert", ["-o", join(work, "world.png"), source]);
  writeJpeg(join(work, "world.png"), join(assets, "pictures", "world.jpg"));
}

// The icon: a flag on a pole, in a few strong colours that still read at 16 pixels.
const ICON_SVG = `<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 32 32" width="32" height="32">
  <rect x="4" y="2" width="3" height="29" rx="1" fill="#5a3a1e"/>
  <circle cx="5.5" cy="2.5" r="2" fill="#f2c200"/>
  <path d="M7 4 C13 1.5 17 6.5 23 4 C25 3.2 27 3 29 3.5 V19 C27 18.5 25 18.7 23 19.5 C17 22 13 17 7 19.5 Z" fill="#1f5fbf"/>
  <path d="M7 9 C13 6.5 17 11.5 23 9 C25 8.2 27 8 29 8.5 V14 C27 13.5 25 13.7 23 14.5 C17 17 13 12 7 14.5 Z" fill="#ffffff"/>
  <path d="M7 10.5 C13 8 17 13 23 10.5 C25 9.7 27 9.5 29 10 V12.5 C27 12 25 12.2 23 13 C17 15.5 13 10.5 7 13 Z" fill="#d42a2a"/>
</svg>`;

function iconPng(size, out) {
  const source = join(work, "icon.svg");
  writeFileSync(source, ICON_SVG);
  run("rsvg-convert", ["-w", String(size), "-h", String(size), "-o", join(work, "icon-raw.png"), source]);
  // 16 colours at most, so that the icon file can hold it at 4 bits per pixel.
  // Transparency is all or nothing in a 4-bit icon; one palette entry is left for it.
  run("convert", [join(work, "icon-raw.png"), "-channel", "A", "-threshold", "50%", "+channel",
    "+dither", "-colors", "15", "-strip", `PNG8:${out}`]);
}

function makeIcon() {
  const images = [32, 16].map((size) => {
    const out = join(work, `icon-${size}.png`);
    iconPng(size, out);
    return out;
  });
  run("icotool", ["-c", "-b", "4", "-o", join(assets, "pictures", "vandrel.ico"), ...images]);
  // The same design for the desktop's icon theme.
  for (const size of [16, 32, 48, 64, 128, 256]) {
    const dir = join(assets, "icons", "hicolor", `${size}x${size}`, "apps");
    mkdirSync(dir, { recursive: true });
    const source = join(work, "icon.svg");
    run("rsvg-convert", ["-w", String(size), "-h", String(size), "-o", join(work, "hicolor.png"), source]);
    run("convert", [join(work, "hicolor.png"), "-strip", `PNG32:${join(dir, "vandrel.png")}`]);
  }
}

// The notice picture: a mosaic of the flags under the program's name.
function makeNotice(codes) {
  const [w, h] = [685, 361];
  // 15 x 14 tiles of 46 x 27 pixels cover the picture at about a quarter of the flags' size;
  // the first flags come round again to fill the last row.
  const [columns, rows] = [15, 14];
  const tiles = Array.from({ length: columns * rows },
    (_, k) => join(work, `${codes[k % codes.length]}-framed.png`));
  run("montage", [...tiles, "-tile", `${columns}x${rows}`, "-geometry", "46x27+0+0",
    "-background", GROUND, join(work, "mosaic.png")]);
  run("convert", ["-size", `${w}x${h}`, `xc:${GROUND}`,
    "(", join(work, "mosaic.png"), "-gravity", "center", "-extent", `${w}x${h}`, ")",
    "-composite",
    "-fill", "#0000007a", "-draw", `rectangle 0,${h / 2 - 58} ${w},${h / 2 + 58}`,
    "-font", "Liberation-Sans-Bold", "-pointsize", "72", "-fill", "#ffffff", "-gravity", "center",
    "-annotate", "+0-12", "Vandrel",
    "-font", "Liberation-Sans", "-pointsize", "22", "-annotate", "+0+40", "197 flags of the world",
    "-strip", "-type", "TrueColor", `BMP3:${join(assets, "pictures", "notice.bmp")}`]);
}

const table = readFileSync(join(here, "flags.tsv"), "utf8").split("\n")
  .filter((line) => line && !line.startsWith("#")).map((line) => line.split("\t"));
if (table.length !== 197) throw new Error(`flags.tsv has ${table.length} rows, not 197`);
mkdirSync(join(assets, "flags"), { recursive: true });
mkdirSync(join(assets, "pictures"), { recursive: true });
for (const [index, , code] of table) makeFlag(Number(index), code);
makeWorldMap();
makeIcon();
makeNotice(table.map(([, , code]) => code));
rmSync(work, { recursive: true, force: true });
console.log("assets written");
