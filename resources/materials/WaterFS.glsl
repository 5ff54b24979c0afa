#version 120
// The water picture, read as it is. The coordinates are gathered component by component,
// the form a software renderer recognises as a plain texture read.
uniform sampler2D picture;
varying vec4 pictureCoordinates;

void main()
{
    gl_FragColor = texture2D(picture, vec2(pictureCoordinates.x, pictureCoordinates.y));
}
